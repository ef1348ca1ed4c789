#include "core/block/KeyFilter.h"

#include "core/text/Utf8.h"

#include <algorithm>
#include <optional>

namespace orbanil {

namespace {

bool isControlCharacter(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f);
}

} // namespace

KeyOutcome filterKey(FilterKind kind, std::int16_t code)
{
    if (kind == FilterKind::FreeText) {
        return KeyOutcome::Accept;
    }
    // Enter is swallowed without a beep in every numeric field.
    if (code == 13) {
        return KeyOutcome::Swallow;
    }
    bool accepted = (code >= '0' && code <= '9') || code == 8;
    switch (kind) {
    case FilterKind::SignedDecimal:
        accepted = accepted || code == '-' || code == '.';
        break;
    case FilterKind::BoxDimension:
        accepted = accepted || code == '-' || code == ',';
        break;
    case FilterKind::SignedDegrees:
        accepted = accepted || code == '-';
        break;
    case FilterKind::DigitsOnly:
    case FilterKind::FreeText: // accepted above, whatever the code
        break;
    }
    return accepted ? KeyOutcome::Accept : KeyOutcome::Reject;
}

std::int16_t convertSeparator(FilterKind kind, std::int16_t code)
{
    if (code != '.' && code != ',') {
        return code;
    }
    const std::int16_t other = code == '.' ? ',' : '.';
    return filterKey(kind, code) == KeyOutcome::Reject &&
                   filterKey(kind, other) == KeyOutcome::Accept
               ? other
               : code;
}

std::u16string convertSeparators(FilterKind kind, std::u16string_view text)
{
    std::u16string converted(text);
    for (char16_t& c : converted) {
        c = static_cast<char16_t>(convertSeparator(kind, static_cast<std::int16_t>(c)));
    }
    return converted;
}

bool isAdmittedText(FilterKind kind, std::u16string_view text)
{
    // A pitch looks up with a minus in front of its degrees, and nowhere else.
    if (kind == FilterKind::SignedDegrees && text.find(u'-', 1) != std::u16string_view::npos) {
        return false;
    }
    return std::ranges::all_of(text, [kind](char16_t c) {
        // The code as the keystroke rule sees it: the same 16 bits, signed.
        return !isControlCharacter(c) &&
               filterKey(kind, static_cast<std::int16_t>(c)) == KeyOutcome::Accept;
    });
}

bool isAdmittedUtf8(FilterKind kind, std::string_view text)
{
    std::u16string utf16;
    for (std::size_t i = 0; i < text.size();) {
        const std::optional<char32_t> decoded = nextCodePoint(text, i);
        if (!decoded) {
            return false;
        }
        char32_t code = *decoded;
        if (code >= 0x10000) {
            code -= 0x10000;
            utf16 += static_cast<char16_t>(0xD800 + (code >> 10));
            utf16 += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            utf16 += static_cast<char16_t>(code);
        }
    }
    return isAdmittedText(kind, utf16);
}

std::size_t lineEndBefore(std::u16string_view text, std::size_t caret)
{
    if (caret == 0 || caret > text.size()) {
        return 0;
    }
    if (text[caret - 1] == u'\n') {
        return caret >= 2 && text[caret - 2] == u'\r' ? 2 : 1;
    }
    return text[caret - 1] == u'\r' ? 1 : 0;
}

} // namespace orbanil
