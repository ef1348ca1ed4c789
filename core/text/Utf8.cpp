#include "core/text/Utf8.h"

#include <algorithm>

namespace orbanil {

namespace {

std::size_t utf8Length(char32_t c)
{
    return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
}

} // namespace

std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    std::size_t length = 0;
    char32_t c = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07u;
    } else {
        return std::nullopt;
    }
    if (text.size() - i < length) {
        return std::nullopt;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0u) != 0x80u) {
            return std::nullopt;
        }
        c = (c << 6) | (next & 0x3Fu);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
    if (utf8Length(c) != length || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
        return std::nullopt;
    }
    i += length;
    return c;
}

bool isUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        // Runs of ASCII at once: a saved file is mostly ASCII, and is read whole.
        const auto nonAscii =
            std::find_if(text.begin() + static_cast<std::ptrdiff_t>(i), text.end(),
                         [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
        i = static_cast<std::size_t>(nonAscii - text.begin());
        if (i < text.size() && !nextCodePoint(text, i)) {
            return false;
        }
    }
    return true;
}

std::string utf8FromCodePoint(char32_t c)
{
    std::string out;
    appendUtf8(out, c);
    return out;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string utf8FromUtf16(std::string_view bytes, bool bigEndian)
{
    constexpr char32_t replacement = 0xFFFD;
    const auto unitAt = [&bytes, bigEndian](std::size_t i) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    };
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        char32_t c = unitAt(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unitAt(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        appendUtf8(out, c >= 0xD800 && c <= 0xDFFF ? replacement : c);
    }
    if (i < bytes.size()) {
        appendUtf8(out, replacement); // half a code unit at the end
    }
    return out;
}

bool isDotNetWhiteSpace(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

std::string_view trimDotNetWhiteSpace(std::string_view text)
{
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t next = begin;
        const std::optional<char32_t> c = nextCodePoint(text, next);
        if (!c || !isDotNetWhiteSpace(*c)) {
            break;
        }
        begin = next;
    }
    std::size_t end = text.size();
    while (end > begin) {
        // The last sequence starts at the last byte that is not a continuation byte.
        std::size_t start = end - 1;
        while (start > begin && (static_cast<unsigned char>(text[start]) & 0xC0u) == 0x80u) {
            --start;
        }
        std::size_t next = start;
        const std::optional<char32_t> c = nextCodePoint(text, next);
        if (!c || next != end || !isDotNetWhiteSpace(*c)) {
            break;
        }
        end = start;
    }
    return text.substr(begin, end - begin);
}

} // namespace orbanil
