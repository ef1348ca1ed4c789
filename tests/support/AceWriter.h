#pragma once

#include "core/shape/CabinShape.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orbanil::testing {

// Textures (.ace) as the tests write them. The functions give a texture's contents, which
// aceFile or compressedFile (ShapeWriter.h) put behind a SIMIS header.

enum class AceAlpha
{
    None,
    Mask,  // a 1-bit channel, set where alpha is 128 or more
    Alpha, // an 8-bit channel
};

// Scanlines of one plane per channel: red, green, blue and the alpha kind's. More than one
// level are mip maps, each half the one before down to 1 × 1, with the mip map flag.
std::string aceScanlines(const RgbaImage& image, AceAlpha alpha);
std::string aceScanlines(const std::vector<RgbaImage>& levels, AceAlpha alpha);

// Raw data of one level (no mip maps) in a surface format (0x0E 565, 0x10 5551, 0x11 4444,
// 0x12 DXT1, 0x14 DXT3, 0x16 DXT5); the channel table names red, green, blue and the alpha kind.
std::string aceRaw(int surfaceFormat, int width, int height, std::string_view data,
                   AceAlpha alpha = AceAlpha::None);
// The same of a square with mip maps: the data of each level of 4 pixels or more, largest first.
std::string aceRawLevels(int surfaceFormat, int side, const std::vector<std::string>& levels,
                         AceAlpha alpha = AceAlpha::None);

std::string aceFile(std::string_view contents);

// A DXT1 colour block: two 565 colours and the palette index of each of the 16 pixels, row by
// row.
std::string dxt1Block(std::uint16_t c0, std::uint16_t c1, const std::array<int, 16>& indices);

// Palette indices for dxt1Block that stripe a block: each pixel's is its column (0–3) or its row.
enum class Stripe
{
    ByColumn,
    ByRow,
};
std::array<int, 16> dxt1Stripes(Stripe stripe);

// An image of one colour.
RgbaImage filledImage(int width, int height, std::array<std::uint8_t, 4> rgba);

// The colour of the pixel at (x, y).
std::array<std::uint8_t, 4> pixel(const RgbaImage& image, int x, int y);

} // namespace orbanil::testing
