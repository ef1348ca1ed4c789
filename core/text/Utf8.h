#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orbanil {

// Decodes one UTF-8 sequence at text[i] and moves i past it; nothing (i unchanged) when the
// sequence is malformed, overlong, a surrogate or past U+10FFFF.
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& i);

// Whether the whole text is well-formed UTF-8, as nextCodePoint reads it; ASCII is.
bool isUtf8(std::string_view text);

// The UTF-8 form of one code point.
std::string utf8FromCodePoint(char32_t c);
void appendUtf8(std::string& out, char32_t c);

// UTF-16 bytes (little or big endian, no byte-order mark) as UTF-8; a lone surrogate or half a
// code unit at the end becomes U+FFFD.
std::string utf8FromUtf16(std::string_view bytes, bool bigEndian = false);

// Whether a code point is white space to .NET (Char.IsWhiteSpace): the separators of Unicode's
// categories Zs, Zl and Zp, tab to carriage return, and U+0085.
bool isDotNetWhiteSpace(char32_t c);

// The text without the white space at either end, as .NET's String.Trim takes it off; a
// malformed sequence ends the trimming there.
std::string_view trimDotNetWhiteSpace(std::string_view text);

} // namespace orbanil
