#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orbanil {

// The header every file of the simulator opens with, shapes (.s) and textures (.ace) alike:
// "SIMISA@@@@@@@@@@" before plain contents, or "SIMISA@F", the inflated size as a little-endian
// uint32 and "@@@@" before a zlib stream. A text file may be UTF-16LE after a byte-order mark
// (FF FE), and then the header is UTF-16 too.
struct SimisHeader
{
    bool compressed = false;
    bool utf16 = false;             // the contents are UTF-16LE (plain files only)
    std::uint32_t inflatedSize = 0; // what a compressed file says its contents inflate to
    std::size_t contentsStart = 0;  // where the contents (or the zlib stream) begin
};

// Throws FormatError when the bytes do not start with a header.
SimisHeader readSimisHeader(std::string_view file);

// The characters of the SIMIS header, and of the subheader that a shape's contents open with.
inline constexpr std::size_t headerCharacters = 16;

// The first characters of a header, in UTF-16LE or in bytes, as printable ASCII: "?" for any
// other character.
std::string headerText(std::string_view bytes, bool utf16, std::size_t characters);

} // namespace orbanil
