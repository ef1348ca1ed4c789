#pragma once

#include <algorithm>
#include <string_view>

namespace orbanil {

// Letters as the simulator's reader compares keywords and units: ASCII ones in either case.
constexpr char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Keywords are read without regard to case.
inline bool sameWord(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

} // namespace orbanil
