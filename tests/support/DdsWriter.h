#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orbanil::testing {

// Textures (.dds) as the tests write them: the "DDS " mark and the 124-byte header, then the
// levels' bytes as given, largest first.

// The pixel format part of the header.
struct DdsPixelFormat
{
    std::uint32_t flags = 0; // 0x1 alpha, 0x4 FourCC, 0x40 RGB
    std::uint32_t fourCc = 0;
    std::uint32_t bits = 0;
    std::uint32_t red = 0;
    std::uint32_t green = 0;
    std::uint32_t blue = 0;
    std::uint32_t alpha = 0;
};

// The formats the simulator reads, as the common tools write them.
DdsPixelFormat ddsDxt(char digit); // '1' to '5': DXT1 … DXT5
DdsPixelFormat ddsBgra();          // A8R8G8B8: bytes blue, green, red, alpha
DdsPixelFormat ddsBgrx();          // X8R8G8B8
DdsPixelFormat ddsRgba();          // A8B8G8R8: bytes red, green, blue, alpha
DdsPixelFormat ddsRgbx();          // X8B8G8R8
DdsPixelFormat ddsBgr();           // R8G8B8: 24 bits, bytes blue, green, red
DdsPixelFormat ddsRgb565();
DdsPixelFormat ddsArgb1555();
DdsPixelFormat ddsArgb4444();

// A whole file: mipCount is the header's count of levels; caps2 0x200 with the complex cap
// makes a cube map, 0x200000 a volume.
std::string ddsFile(const DdsPixelFormat& format, int width, int height, int mipCount,
                    std::string_view data, std::uint32_t caps2 = 0);

} // namespace orbanil::testing
