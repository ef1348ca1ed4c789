#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orbanil::testing {

// Textures (.dds) as the tests write them: "DDS ", the 124-byte header, then the levels' bytes
// as given, largest first.

// The header's pixel format: flags (0x1 alpha, 0x4 FourCC, 0x40 RGB), FourCC, bit count and the
// red, green, blue and alpha masks.
struct DdsPixelFormat
{
    std::uint32_t flags = 0;
    std::uint32_t fourCc = 0;
    std::uint32_t bits = 0;
    std::uint32_t red = 0, green = 0, blue = 0, alpha = 0;
};

// DXT1 … DXT5 by their digit.
constexpr DdsPixelFormat ddsDxt(char digit)
{
    return {0x4, 0x30545844u + static_cast<std::uint32_t>(digit - '0') * 0x1000000u};
}
// The layouts the common tools write: bytes B, G, R, A; B, G, R, unused; R, G, B, A; B, G, R.
inline constexpr DdsPixelFormat ddsBgra{0x41, 0, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000};
inline constexpr DdsPixelFormat ddsBgrx{0x40, 0, 32, 0xFF0000, 0xFF00, 0xFF, 0};
inline constexpr DdsPixelFormat ddsRgba{0x41, 0, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000};
inline constexpr DdsPixelFormat ddsBgr{0x40, 0, 24, 0xFF0000, 0xFF00, 0xFF, 0};

// A whole file; mipCount is the header's count of levels. caps2 0x200 makes a cube map.
std::string ddsFile(const DdsPixelFormat& format, int width, int height, int mipCount,
                    std::string_view data, std::uint32_t caps2 = 0);

} // namespace orbanil::testing
