#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orbanil {

enum class FilterKind
{
    SignedDecimal, // head position: digits, "-", "." and backspace
    DigitsOnly,    // rotation limits, start direction Y and Z: digits and backspace
    SignedDegrees, // start direction X, the pitch: digits, "-" (held only in front) and backspace
    BoxDimension,  // cabin box: digits, "-", "," and backspace
    FreeText,      // file names and code: every character, Enter and control codes included
};

enum class KeyOutcome
{
    Accept,  // the character reaches the field
    Swallow, // discarded silently (Enter)
    Reject,  // discarded with a beep
};

// The character that a key or a pasted character puts into a field of this kind: the decimal
// separator of the other convention becomes the field's own where the rule takes the field's and
// not the other ("2,1" is "2.1" in a head field, "2.9" is "2,9" in a box field); any other code
// stays itself.
std::int16_t convertSeparator(FilterKind kind, std::int16_t code);

// The same for each character of a text.
std::u16string convertSeparators(FilterKind kind, std::u16string_view text);

// Decides one character code as it reaches the field, after convertSeparator; the text already
// in the field plays no part.
KeyOutcome filterKey(FilterKind kind, std::int16_t code);

// Whether a one-line field of this kind may hold `text` (UTF-16), however it got there: every
// character one its keystroke rule accepts, a pitch's "-" in front only, and no control character
// (C0, DEL or C1) in any kind, since a backspace or an Enter is an edit and not text.
bool isAdmittedText(FilterKind kind, std::u16string_view text);

// Whether a field of this kind holds whole degrees: the rotation limits and start direction.
inline bool holdsDegrees(FilterKind kind)
{
    return kind == FilterKind::DigitsOnly || kind == FilterKind::SignedDegrees;
}

// The same for a UTF-8 text; text that is not valid UTF-8 is not admitted.
bool isAdmittedUtf8(FilterKind kind, std::string_view text);

// The length of the line end (CR LF, LF or CR) that ends at `caret`, 0 when none does: after a
// paste the caret stands behind the pasted text, so this is the pasted text's own line end.
std::size_t lineEndBefore(std::u16string_view text, std::size_t caret);

} // namespace orbanil
