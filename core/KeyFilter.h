#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orbanil {

enum class FilterKind
{
    SignedDecimal, // head position: digits, "-", "." and backspace
    DigitsOnly,    // rotation limits and start direction: digits and backspace
    BoxDimension,  // cabin box: digits, "-", "," and backspace
    FreeText,      // file names and code: every character, Enter and control codes included
};

enum class KeyOutcome
{
    Accept,  // the character reaches the field
    Swallow, // discarded silently (Enter)
    Reject,  // discarded with a beep
};

// Decides one typed character code; the text already in the field plays no part.
KeyOutcome filterKey(FilterKind kind, std::int16_t code);

// Whether a one-line field of this kind may hold `text` (UTF-16), however it got there: every
// character one its keystroke rule accepts, and no control character (C0, DEL or C1) in any
// kind, since a backspace or an Enter is an edit and not text.
bool isAdmittedText(FilterKind kind, std::u16string_view text);

// The same for a UTF-8 text; text that is not valid UTF-8 is not admitted.
bool isAdmittedUtf8(FilterKind kind, std::string_view text);

// The length of the line end (CR LF, LF or CR) that ends at `caret`, 0 when none does: after a
// paste the caret stands behind the pasted text, so this is the pasted text's own line end.
std::size_t lineEndBefore(std::u16string_view text, std::size_t caret);

} // namespace orbanil
