#include "files/Windows1252.h"

#include "core/text/Utf8.h"

#include <algorithm>

namespace orbanil {

namespace {

// Code points of bytes 0x80-0x9F; the five unassigned bytes keep their C1 control.
constexpr char32_t highControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t codePointOf(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? highControls[byte - 0x80] : byte;
}

std::optional<unsigned char> windows1252ByteOf(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<unsigned char>(c);
    }
    const auto* found = std::find(std::begin(highControls), std::end(highControls), c);
    if (found == std::end(highControls)) {
        return std::nullopt;
    }
    return static_cast<unsigned char>(0x80 + (found - std::begin(highControls)));
}

constexpr char32_t replacementCharacter = 0xFFFD;

std::string utf8FromUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t from = i;
        if (nextCodePoint(text, i)) {
            out.append(text.substr(from, i - from));
        } else {
            out += utf8FromCodePoint(replacementCharacter);
            ++i;
        }
    }
    return out;
}

} // namespace

std::string utf8FromMarkedText(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        return utf8FromUtf8(bytes.substr(3));
    }
    if (bytes.starts_with("\xFF\xFE")) {
        return utf8FromUtf16(bytes.substr(2), false);
    }
    if (bytes.starts_with("\xFE\xFF")) {
        return utf8FromUtf16(bytes.substr(2), true);
    }
    return utf8FromUnmarkedText(bytes);
}

std::string utf8FromUnmarkedText(std::string_view bytes)
{
    return isUtf8(bytes) ? std::string(bytes) : windows1252ToUtf8(bytes);
}

bool isAscii(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string windows1252ToUtf8(std::string_view bytes)
{
    if (isAscii(bytes)) {
        return std::string(bytes);
    }

    std::string out;
    out.reserve(3 * bytes.size()); // a byte takes at most three
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        if (byte < 0x80) {
            out += b;
        } else {
            out += utf8FromCodePoint(codePointOf(byte));
        }
    }
    return out;
}

Utf8ToWindows1252Result utf8ToWindows1252(std::string_view utf8)
{
    Utf8ToWindows1252Result result;
    result.bytes.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        // A run of ASCII is the same bytes in both encodings: copied at once (byte by byte, a
        // 10 MiB save through the main window took 10 to 20 % longer).
        const auto nonAscii =
            std::find_if(utf8.begin() + static_cast<std::ptrdiff_t>(i), utf8.end(),
                         [](char ch) { return static_cast<unsigned char>(ch) >= 0x80; });
        const auto run = static_cast<std::size_t>(nonAscii - utf8.begin()) - i;
        if (run > 0) {
            result.bytes.append(utf8.substr(i, run));
            i += run;
            continue;
        }
        const std::optional<char32_t> c = nextCodePoint(utf8, i);
        if (!c) {
            result.invalidUtf8 = true;
            return result;
        }
        const std::optional<unsigned char> byte = windows1252ByteOf(*c);
        if (!byte) {
            result.unmappable = *c;
            return result;
        }
        result.bytes += static_cast<char>(*byte);
    }
    return result;
}

} // namespace orbanil
