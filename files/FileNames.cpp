#include "files/FileNames.h"

#include "files/PathText.h"

#include <algorithm>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX // std::min, not the macro
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace orbanil {

namespace {

#ifdef _WIN32
// Windows compares file names by their upper-case forms, letters beyond ASCII included ("ñ" is
// "Ñ"), independently of the user's language. ASCII, most of every name, needs no call into the
// system, and is folded small so that "_" sorts before the letters as elsewhere.
wchar_t foldCase(wchar_t c)
{
    wchar_t upper = c;
    if (c >= 0x80 && LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, &c, 1, &upper, 1,
                                   nullptr, nullptr, 0) != 1) {
        upper = c;
    }
    return asciiLower(upper);
}
#else
// Names elsewhere are bytes; only ASCII letters are folded, so that "*.s" takes "CAB.S".
char foldCase(char c)
{
    return asciiLower(c);
}
#endif

template <typename Char>
bool globMatches(std::basic_string_view<Char> name, std::basic_string_view<Char> pattern)
{
    // Iterative matching with one backtrack point for the last "*": linear in practice.
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starP = std::basic_string_view<Char>::npos;
    std::size_t starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == Char('*')) {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == Char('?') || foldCase(pattern[p]) == foldCase(name[n]))) {
            ++p;
            ++n;
        } else if (starP != std::basic_string_view<Char>::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == Char('*')) {
        ++p;
    }
    return p == pattern.size();
}

bool lessWithoutCase(const fs::path& a, const fs::path& b)
{
    const auto& x = a.native();
    const auto& y = b.native();
    const auto [xi, yi] = std::mismatch(x.begin(), x.end(), y.begin(), y.end(),
                                        [](auto l, auto r) { return foldCase(l) == foldCase(r); });
    if (xi == x.end() && yi == y.end()) {
        return x < y; // equal but for case: upper case first, for a stable order
    }
    if (xi == x.end() || yi == y.end()) {
        return xi == x.end(); // the shorter name, a beginning of the other, comes first
    }
    return foldCase(*xi) < foldCase(*yi);
}

} // namespace

bool sameName(const fs::path& a, const fs::path& b)
{
#ifdef _WIN32
    const auto& x = a.native();
    const auto& y = b.native();
    return std::equal(x.begin(), x.end(), y.begin(), y.end(),
                      [](wchar_t l, wchar_t r) { return foldCase(l) == foldCase(r); });
#else
    return a == b;
#endif
}

bool sameNameWithoutCase(const fs::path& a, const fs::path& b)
{
#ifdef _WIN32
    return sameName(a, b);
#else
    // UTF-8 "À" to "Þ" (but "×") are C3 80 to C3 9E; their small forms are 0x20 further on.
    const auto folded = [](const std::string& name) {
        std::string out = name;
        for (std::size_t i = 0; i < out.size(); ++i) {
            out[i] = asciiLower(out[i]);
            const auto next = i + 1 < out.size() ? static_cast<unsigned char>(out[i + 1]) : 0u;
            if (static_cast<unsigned char>(out[i]) == 0xC3 && next >= 0x80 && next <= 0x9E &&
                next != 0x97) {
                out[++i] = static_cast<char>(next + 0x20);
            }
        }
        return out;
    };
    return folded(a.native()) == folded(b.native());
#endif
}

bool nameMatches(const fs::path& name, std::string_view pattern)
{
    using Char = fs::path::value_type;
    return globMatches<Char>(name.native(), pathFromText(pattern).native());
}

void sortNames(std::vector<fs::path>& names)
{
    std::sort(names.begin(), names.end(), lessWithoutCase);
}

} // namespace orbanil
