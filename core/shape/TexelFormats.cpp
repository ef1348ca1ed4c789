#include "core/shape/TexelFormats.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace orbanil {

namespace {

using Rgba = std::array<std::uint8_t, 4>;

std::uint8_t expand5(unsigned v)
{
    return static_cast<std::uint8_t>((v << 3) | (v >> 2));
}

std::uint8_t expand6(unsigned v)
{
    return static_cast<std::uint8_t>((v << 2) | (v >> 4));
}

std::uint8_t expand4(unsigned v)
{
    return static_cast<std::uint8_t>(v * 17);
}

unsigned little16(const unsigned char* p)
{
    return static_cast<unsigned>(p[0] | (p[1] << 8));
}

Rgba from565(unsigned v)
{
    return {expand5((v >> 11) & 31), expand6((v >> 5) & 63), expand5(v & 31), 255};
}

void put(RgbaImage& image, int x, int y, const Rgba& c)
{
    if (x < image.width && y < image.height) {
        const auto at = 4 * (static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                             static_cast<std::size_t>(x));
        std::copy(c.begin(), c.end(), image.pixels.begin() + static_cast<std::ptrdiff_t>(at));
    }
}

// The colours of a block's 16 pixels: two 565 colours and two bits a pixel, row by row. Three
// colours and transparent black when the first colour is not the greater and the block may
// use that mode (DXT1 only).
std::array<Rgba, 16> colourBlock(const unsigned char* p, bool mayBeTransparent)
{
    const unsigned c0 = little16(p);
    const unsigned c1 = little16(p + 2);
    const Rgba a = from565(c0);
    const Rgba b = from565(c1);
    const bool fourColours = c0 > c1 || !mayBeTransparent;
    std::array<Rgba, 4> palette{a, b, Rgba{}, Rgba{0, 0, 0, 0}};
    for (std::size_t k = 0; k < 3; ++k) {
        if (fourColours) {
            palette[2][k] = static_cast<std::uint8_t>((2 * a[k] + b[k]) / 3);
            palette[3][k] = static_cast<std::uint8_t>((a[k] + 2 * b[k]) / 3);
        } else {
            palette[2][k] = static_cast<std::uint8_t>((a[k] + b[k]) / 2);
        }
    }
    palette[2][3] = 255;
    if (fourColours) {
        palette[3][3] = 255;
    }
    const auto indices = static_cast<std::uint32_t>(little16(p + 4) | (little16(p + 6) << 16));
    std::array<Rgba, 16> pixels;
    for (std::size_t i = 0; i < 16; ++i) {
        pixels[i] = palette[(indices >> (2 * i)) & 3];
    }
    return pixels;
}

// DXT5's alpha: two values and three bits a pixel choosing among them and six (or four)
// values between them.
void interpolatedAlpha(const unsigned char* p, std::array<Rgba, 16>& pixels)
{
    const unsigned a0 = p[0];
    const unsigned a1 = p[1];
    std::array<unsigned, 8> palette{a0, a1};
    if (a0 > a1) {
        for (unsigned k = 1; k < 7; ++k) {
            palette[k + 1] = ((7 - k) * a0 + k * a1) / 7;
        }
    } else {
        for (unsigned k = 1; k < 5; ++k) {
            palette[k + 1] = ((5 - k) * a0 + k * a1) / 5;
        }
        palette[6] = 0;
        palette[7] = 255;
    }
    std::uint64_t bits = 0;
    for (std::size_t i = 6; i-- > 0;) {
        bits = (bits << 8) | p[2 + i];
    }
    for (std::size_t i = 0; i < 16; ++i) {
        pixels[i][3] = static_cast<std::uint8_t>(palette[(bits >> (3 * i)) & 7]);
    }
}

bool isBlocks(TexelFormat format)
{
    return format == TexelFormat::Dxt1 || format == TexelFormat::Dxt3 ||
           format == TexelFormat::Dxt5;
}

std::size_t pixelBytes(TexelFormat format)
{
    switch (format) {
    case TexelFormat::Bgr8:
        return 3;
    case TexelFormat::Bgra8:
    case TexelFormat::Bgrx8:
    case TexelFormat::Rgba8:
    case TexelFormat::Rgbx8:
        return 4;
    default:
        return 2;
    }
}

void decodeBlocks(const unsigned char* data, TexelFormat format, RgbaImage& image)
{
    const std::size_t blockBytes = format == TexelFormat::Dxt1 ? 8 : 16;
    for (int by = 0; by < image.height; by += 4) {
        for (int bx = 0; bx < image.width; bx += 4, data += blockBytes) {
            std::array<Rgba, 16> pixels =
                colourBlock(data + blockBytes - 8, format == TexelFormat::Dxt1);
            if (format == TexelFormat::Dxt3) {
                for (std::size_t i = 0; i < 16; ++i) {
                    pixels[i][3] = expand4((data[i / 2] >> (4 * (i % 2))) & 15);
                }
            } else if (format == TexelFormat::Dxt5) {
                interpolatedAlpha(data, pixels);
            }
            for (int i = 0; i < 16; ++i) {
                put(image, bx + i % 4, by + i / 4, pixels[static_cast<std::size_t>(i)]);
            }
        }
    }
}

Rgba pixelAt(const unsigned char* p, TexelFormat format)
{
    const unsigned v = little16(p);
    switch (format) {
    case TexelFormat::Argb1555:
        return {expand5((v >> 10) & 31), expand5((v >> 5) & 31), expand5(v & 31),
                static_cast<std::uint8_t>(v & 0x8000 ? 255 : 0)};
    case TexelFormat::Argb4444:
        return {expand4((v >> 8) & 15), expand4((v >> 4) & 15), expand4(v & 15), expand4(v >> 12)};
    case TexelFormat::Bgra8:
        return {p[2], p[1], p[0], p[3]};
    case TexelFormat::Bgrx8:
    case TexelFormat::Bgr8:
        return {p[2], p[1], p[0], 255};
    case TexelFormat::Rgba8:
        return {p[0], p[1], p[2], p[3]};
    case TexelFormat::Rgbx8:
        return {p[0], p[1], p[2], 255};
    default:
        return from565(v);
    }
}

} // namespace

std::size_t texelBytes(TexelFormat format, int width, int height)
{
    if (isBlocks(format)) {
        const std::size_t blocks =
            static_cast<std::size_t>((width + 3) / 4) * static_cast<std::size_t>((height + 3) / 4);
        return (format == TexelFormat::Dxt1 ? 8 : 16) * blocks;
    }
    return pixelBytes(format) * static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

RgbaImage decodeTexels(std::string_view data, TexelFormat format, int width, int height)
{
    RgbaImage image{width, height, {}};
    image.pixels.assign(4 * static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    const auto* p = reinterpret_cast<const unsigned char*>(data.data());
    if (isBlocks(format)) {
        decodeBlocks(p, format, image);
        return image;
    }
    const std::size_t step = pixelBytes(format);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x, p += step) {
            put(image, x, y, pixelAt(p, format));
        }
    }
    return image;
}

int levelSide(int side, int level)
{
    return std::max(1, side >> level);
}

} // namespace orbanil
