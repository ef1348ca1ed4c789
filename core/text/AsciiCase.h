#pragma once

#include <algorithm>
#include <string_view>

namespace orbanil {

// An ASCII capital letter made small; any other character, of any character type, as it is:
// the simulator compares keywords, units and file names so.
template <typename Char> constexpr Char asciiLower(Char c)
{
    return c >= Char('A') && c <= Char('Z') ? static_cast<Char>(c - Char('A') + Char('a')) : c;
}

// Keywords are read without regard to case.
inline bool sameWord(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

} // namespace orbanil
