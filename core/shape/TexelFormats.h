#pragma once

#include "core/shape/CabinShape.h"

#include <cstddef>
#include <string_view>

namespace orbanil {

// Sides longer than this are taken for a broken file: 8192 × 8192 pixels are 256 MB of RGBA.
inline constexpr int maxTextureSide = 8192;

// How a texture file stores the texels of one level, as .ace raw data and .dds keep them.
enum class TexelFormat
{
    Rgb565,   // 16 bits: red in the high five
    Argb1555, // 16 bits: alpha the high bit, then five bits each of red, green, blue
    Argb4444, // 16 bits: four bits each of alpha, red, green, blue, alpha high
    Dxt1,     // 4×4 blocks of 8 bytes: two 565 colours and two bits a pixel
    Dxt3,     // 4×4 blocks of 16 bytes: four bits of alpha a pixel, then a DXT1 block
    Dxt5,     // 4×4 blocks of 16 bytes: interpolated alpha, then a DXT1 block
    Bgra8,    // 32 bits: the bytes blue, green, red, alpha
    Bgrx8,    // 32 bits: blue, green, red and a byte read as opaque
    Rgba8,    // 32 bits: red, green, blue, alpha
    Rgbx8,    // 32 bits: red, green, blue and a byte read as opaque
    Bgr8,     // 24 bits: blue, green, red
};

// The bytes a level of this size takes: whole blocks for DXT, rows without padding otherwise.
std::size_t texelBytes(TexelFormat format, int width, int height);

// A level decoded to RGBA; `data` holds at least texelBytes(format, width, height) bytes.
RgbaImage decodeTexels(std::string_view data, TexelFormat format, int width, int height);

// The side of mip level `level` of a side: halved each level, never below 1.
int levelSide(int side, int level);

} // namespace orbanil
