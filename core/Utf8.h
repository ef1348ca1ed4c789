#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orbanil {

// Decodes one UTF-8 sequence at text[i] and moves i past it; nothing (i unchanged) when the
// sequence is malformed, overlong, a surrogate or past U+10FFFF.
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& i);

// The UTF-8 form of one code point.
std::string utf8FromCodePoint(char32_t c);
void appendUtf8(std::string& out, char32_t c);

// UTF-16 bytes (little or big endian) as UTF-8; a lone surrogate or half a code unit at the end
// becomes U+FFFD.
std::string utf8FromUtf16(std::string_view bytes, bool bigEndian = false);

// The UTF-8 text of UTF-16 bytes (no byte-order mark); an unpaired surrogate or half a code unit
// at the end becomes U+FFFD.
std::string utf8FromUtf16(std::string_view bytes, bool bigEndian);

} // namespace orbanil
