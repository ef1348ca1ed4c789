#pragma once

#include <cstdint>

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

} // namespace orbanil
