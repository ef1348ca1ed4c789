#include "core/shape/AceImage.h"

#include "core/shape/ByteReader.h"
#include "core/shape/FormatError.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

namespace orbanil {

namespace {

enum Channel : std::uint8_t
{
    Mask = 2,
    Red = 3,
    Green = 4,
    Blue = 5,
    Alpha = 6,
};

struct ChannelEntry
{
    int bits = 0;
    std::uint8_t type = 0;
};

enum Surface : std::int32_t
{
    Rgb565 = 0x0E,
    Argb1555 = 0x10,
    Argb4444 = 0x11,
    Dxt1 = 0x12,
    Dxt3 = 0x14,
    Dxt5 = 0x16,
};

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

using Rgba = std::array<std::uint8_t, 4>;

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
    std::array<Rgba, 4> palette{a, b, Rgba{}, Rgba{0, 0, 0, 0}};
    for (std::size_t k = 0; k < 3; ++k) {
        if (c0 > c1 || !mayBeTransparent) {
            palette[2][k] = static_cast<std::uint8_t>((2 * a[k] + b[k]) / 3);
            palette[3][k] = static_cast<std::uint8_t>((a[k] + 2 * b[k]) / 3);
        } else {
            palette[2][k] = static_cast<std::uint8_t>((a[k] + b[k]) / 2);
        }
    }
    palette[2][3] = 255;
    if (c0 > c1 || !mayBeTransparent) {
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

std::size_t requiredBytes(std::int32_t format, int width, int height)
{
    const auto pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    const std::size_t blocks =
        static_cast<std::size_t>((width + 3) / 4) * static_cast<std::size_t>((height + 3) / 4);
    switch (format) {
    case Dxt1:
        return 8 * blocks;
    case Dxt3:
    case Dxt5:
        return 16 * blocks;
    default:
        return 2 * pixels;
    }
}

void decodeRaw(const unsigned char* data, std::int32_t format, RgbaImage& image)
{
    if (format == Dxt1 || format == Dxt3 || format == Dxt5) {
        const std::size_t blockBytes = format == Dxt1 ? 8 : 16;
        for (int by = 0; by < image.height; by += 4) {
            for (int bx = 0; bx < image.width; bx += 4, data += blockBytes) {
                std::array<Rgba, 16> pixels = colourBlock(data + blockBytes - 8, format == Dxt1);
                if (format == Dxt3) {
                    for (std::size_t i = 0; i < 16; ++i) {
                        pixels[i][3] = expand4((data[i / 2] >> (4 * (i % 2))) & 15);
                    }
                } else if (format == Dxt5) {
                    interpolatedAlpha(data, pixels);
                }
                for (int i = 0; i < 16; ++i) {
                    put(image, bx + i % 4, by + i / 4, pixels[static_cast<std::size_t>(i)]);
                }
            }
        }
        return;
    }
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x, data += 2) {
            const unsigned v = little16(data);
            Rgba c = from565(v);
            if (format == Argb1555) {
                c = {expand5((v >> 10) & 31), expand5((v >> 5) & 31), expand5(v & 31),
                     static_cast<std::uint8_t>(v & 0x8000 ? 255 : 0)};
            } else if (format == Argb4444) {
                c = {expand4((v >> 8) & 15), expand4((v >> 4) & 15), expand4(v & 15),
                     expand4(v >> 12)};
            }
            put(image, x, y, c);
        }
    }
}

// Once the bytes it needs are known to be there, so that a short file claiming a large image
// costs nothing.
void allocate(RgbaImage& image)
{
    image.pixels.assign(
        4 * static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height), 0);
}

std::string hex(std::int32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(value));
    return text;
}

// The largest level stored as raw data: after the level table, its length and its bytes.
void readRawLevel(ByteReader& in, std::int32_t format, int levels, RgbaImage& image)
{
    in.skip(4 * static_cast<std::size_t>(levels), "está cortado en la tabla de niveles");
    const std::int32_t length = in.i32("está cortado en la longitud del nivel mayor");
    const std::size_t required = requiredBytes(format, image.width, image.height);
    if (length < 0 || static_cast<std::size_t>(length) < required) {
        throw FormatError("el nivel mayor dice tener " + std::to_string(length) +
                          " bytes y necesita " + std::to_string(required));
    }
    const std::string_view data = in.take(required, "está cortado en los datos del nivel mayor");
    allocate(image);
    decodeRaw(reinterpret_cast<const unsigned char*>(data.data()), format, image);
}

// The largest level stored as scanlines: a table of their offsets from the start of the
// contents, then each scanline as one plane per channel, a 1-bit plane packed from the high bit.
void readScanlines(ByteReader& in, std::string_view contents,
                   const std::vector<ChannelEntry>& channels, RgbaImage& image)
{
    std::array<int, 7> planeOf{-1, -1, -1, -1, -1, -1, -1};
    for (std::size_t i = 0; i < channels.size(); ++i) {
        planeOf[channels[i].type] = static_cast<int>(i);
    }
    const char* const colourNames[] = {"rojo", "verde", "azul"};
    for (int c = Red; c <= Blue; ++c) {
        if (planeOf[static_cast<std::size_t>(c)] < 0) {
            throw FormatError(std::string("le falta el canal ") + colourNames[c - Red]);
        }
    }
    const auto width = static_cast<std::size_t>(image.width);
    std::vector<std::size_t> planeStart;
    std::size_t lineBytes = 0;
    for (const ChannelEntry& channel : channels) {
        planeStart.push_back(lineBytes);
        lineBytes += channel.bits == 1 ? (width + 7) / 8 : width;
    }
    const auto sample = [&](const unsigned char* line, int channel, std::size_t x) -> std::uint8_t {
        const auto plane = static_cast<std::size_t>(channel);
        const unsigned char* p = line + planeStart[plane];
        if (channels[plane].bits == 1) {
            return (p[x / 8] >> (7 - x % 8)) & 1 ? 255 : 0;
        }
        return p[x];
    };
    const int alpha = planeOf[Alpha] >= 0 ? planeOf[Alpha] : planeOf[Mask];
    const char* const cutTable = "está cortado en la tabla de líneas";
    in.need(4 * static_cast<std::size_t>(image.height), cutTable);
    std::vector<std::int32_t> offsets(static_cast<std::size_t>(image.height));
    for (std::int32_t& offset : offsets) {
        offset = in.i32(cutTable);
    }
    for (int y = 0; y < image.height; ++y) {
        const std::int32_t offset = offsets[static_cast<std::size_t>(y)];
        if (offset < 0 || static_cast<std::size_t>(offset) > contents.size() ||
            contents.size() - static_cast<std::size_t>(offset) < lineBytes) {
            throw FormatError("la línea " + std::to_string(y) + " de la imagen sale del archivo");
        }
    }
    allocate(image);
    for (int y = 0; y < image.height; ++y) {
        const auto* line = reinterpret_cast<const unsigned char*>(
            contents.data() + offsets[static_cast<std::size_t>(y)]);
        for (std::size_t x = 0; x < width; ++x) {
            put(image, static_cast<int>(x), y,
                {sample(line, planeOf[Red], x), sample(line, planeOf[Green], x),
                 sample(line, planeOf[Blue], x),
                 static_cast<std::uint8_t>(alpha >= 0 ? sample(line, alpha, x) : 255)});
        }
    }
}

bool isPowerOfTwo(int v)
{
    return v > 0 && (v & (v - 1)) == 0;
}

} // namespace

CabinTexture readAceContents(std::string_view contents)
{
    ByteReader in(contents);
    const char* const cutHeader = "está cortado en la cabecera de la textura";
    const std::int32_t signature = in.i32(cutHeader);
    if (signature != 1) {
        throw FormatError("no es una textura: empieza por " + std::to_string(signature) +
                          " en vez de 1");
    }
    const std::int32_t options = in.i32(cutHeader);
    const std::int32_t width = in.i32(cutHeader);
    const std::int32_t height = in.i32(cutHeader);
    const std::int32_t format = in.i32(cutHeader);
    const std::int32_t channelCount = in.i32(cutHeader);
    in.skip(128, cutHeader);
    if (width <= 0 || height <= 0 || width > maxAceSide || height > maxAceSide) {
        throw FormatError("mide " + std::to_string(width) + " × " + std::to_string(height) +
                          " píxeles, fuera de 1 a " + std::to_string(maxAceSide));
    }
    const bool mipMaps = (options & 0x01) != 0;
    const bool raw = (options & 0x10) != 0;
    if (mipMaps && (width != height || !isPowerOfTwo(width))) {
        throw FormatError("tiene mip maps y mide " + std::to_string(width) + " × " +
                          std::to_string(height) + ", que no es un cuadrado de lado potencia de 2");
    }
    if (raw && format != Rgb565 && format != Argb1555 && format != Argb4444 && format != Dxt1 &&
        format != Dxt3 && format != Dxt5) {
        throw FormatError("el formato de superficie " + hex(format) + " no se conoce");
    }
    if (channelCount < 0 || static_cast<std::size_t>(channelCount) > in.left() / 16) {
        throw FormatError("la tabla de canales dice tener " + std::to_string(channelCount) +
                          " canales, que no caben en el archivo");
    }
    CabinTexture texture;
    std::vector<ChannelEntry> channels;
    const char* const cutChannels = "está cortado en la tabla de canales";
    for (std::int32_t i = 0; i < channelCount; ++i) {
        ChannelEntry channel;
        // Narrowed to a byte before it is checked, as the simulator's AceFile.cs does: 257 reads 1.
        channel.bits = static_cast<std::uint8_t>(in.u64(cutChannels));
        const std::uint64_t type = in.u64(cutChannels);
        if (channel.bits != 1 && channel.bits != 8) {
            throw FormatError("un canal tiene " + std::to_string(channel.bits) +
                              " bits; se leen 1 u 8");
        }
        if (type < Mask || type > Alpha) {
            throw FormatError("un canal es del tipo " + std::to_string(type) +
                              ", que no se conoce");
        }
        channel.type = static_cast<std::uint8_t>(type);
        if (channel.type == Alpha) {
            texture.alphaBits = 8;
        } else if (channel.type == Mask && texture.alphaBits == 0) {
            texture.alphaBits = 1;
        }
        channels.push_back(channel);
    }
    int levels = 1;
    for (int side = width; mipMaps && side > 1; side /= 2) {
        ++levels;
    }
    RgbaImage& image = texture.levels.emplace_back();
    image.width = width;
    image.height = height;
    if (raw) {
        readRawLevel(in, format, levels, image);
    } else {
        readScanlines(in, contents, channels, image);
    }
    return texture;
}

} // namespace orbanil
