#include "core/shape/AceImage.h"

#include "core/shape/ByteReader.h"
#include "core/shape/FormatError.h"
#include "core/shape/TexelFormats.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
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

// What the raw surface formats store.
std::optional<TexelFormat> rawFormat(std::int32_t surface)
{
    switch (surface) {
    case 0x0E:
        return TexelFormat::Rgb565;
    case 0x10:
        return TexelFormat::Argb1555;
    case 0x11:
        return TexelFormat::Argb4444;
    case 0x12:
        return TexelFormat::Dxt1;
    case 0x14:
        return TexelFormat::Dxt3;
    case 0x16:
        return TexelFormat::Dxt5;
    default:
        return std::nullopt;
    }
}

std::string hex(std::int32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(value));
    return text;
}

std::string sizeText(int width, int height)
{
    return std::to_string(width) + " × " + std::to_string(height) + " píxeles";
}

// Raw data: a level table, then each level's length and bytes, but for the levels under 4
// pixels, which the simulator fills from the last level it read.
std::vector<RgbaImage> readRawLevels(ByteReader& in, TexelFormat format, int width, int height,
                                     int levels)
{
    in.skip(4 * static_cast<std::size_t>(levels), "está cortado en la tabla de niveles");
    std::vector<RgbaImage> images;
    std::string_view data;
    for (int level = 0; level < levels; ++level) {
        const int w = levelSide(width, level);
        const int h = levelSide(height, level);
        if (level == 0 || (w >= 4 && h >= 4)) {
            const std::int32_t length = in.i32("está cortado en la longitud de un nivel");
            const std::size_t required = texelBytes(format, w, h);
            if (length < 0 || static_cast<std::size_t>(length) < required) {
                throw FormatError("el nivel de " + sizeText(w, h) + " dice tener " +
                                  std::to_string(length) + " bytes y necesita " +
                                  std::to_string(required));
            }
            data =
                in.take(static_cast<std::size_t>(length), "está cortado en los datos de un nivel");
        }
        images.push_back(decodeTexels(data, format, w, h));
    }
    return images;
}

// A level of scanlines at the offsets given, from the start of the contents: one plane per
// channel, a 1-bit plane packed from the high bit.
RgbaImage scanlineLevel(std::string_view contents, const std::vector<ChannelEntry>& channels,
                        std::span<const std::int32_t> offsets, int width)
{
    std::array<int, 7> planeOf{-1, -1, -1, -1, -1, -1, -1};
    std::vector<std::size_t> planeStart;
    std::size_t lineBytes = 0;
    const auto w = static_cast<std::size_t>(width);
    for (std::size_t i = 0; i < channels.size(); ++i) {
        planeOf[channels[i].type] = static_cast<int>(i);
        planeStart.push_back(lineBytes);
        lineBytes += channels[i].bits == 1 ? (w + 7) / 8 : w;
    }
    for (const std::int32_t offset : offsets) {
        if (offset < 0 || static_cast<std::size_t>(offset) > contents.size() ||
            contents.size() - static_cast<std::size_t>(offset) < lineBytes) {
            throw FormatError("una línea de la imagen de " +
                              sizeText(width, static_cast<int>(offsets.size())) +
                              " sale del archivo");
        }
    }
    const auto sample = [&](const unsigned char* line, int channel, std::size_t x) {
        const auto plane = static_cast<std::size_t>(channel);
        const unsigned char* p = line + planeStart[plane];
        if (channels[plane].bits == 1) {
            return static_cast<std::uint8_t>((p[x / 8] >> (7 - x % 8)) & 1 ? 255 : 0);
        }
        return static_cast<std::uint8_t>(p[x]);
    };
    const int alpha = planeOf[Alpha] >= 0 ? planeOf[Alpha] : planeOf[Mask];
    RgbaImage image{width, static_cast<int>(offsets.size()), {}};
    image.pixels.reserve(4 * w * offsets.size());
    for (const std::int32_t offset : offsets) {
        const auto* line = reinterpret_cast<const unsigned char*>(contents.data() + offset);
        for (std::size_t x = 0; x < w; ++x) {
            image.pixels.insert(image.pixels.end(),
                                {sample(line, planeOf[Red], x), sample(line, planeOf[Green], x),
                                 sample(line, planeOf[Blue], x),
                                 alpha >= 0 ? sample(line, alpha, x) : std::uint8_t{255}});
        }
    }
    return image;
}

// Scanlines: a table of every level's line offsets, then the lines.
std::vector<RgbaImage> readScanlineLevels(ByteReader& in, std::string_view contents,
                                          const std::vector<ChannelEntry>& channels, int width,
                                          int height, int levels)
{
    const char* const colourNames[] = {"rojo", "verde", "azul"};
    for (int c = Red; c <= Blue; ++c) {
        if (std::none_of(channels.begin(), channels.end(),
                         [c](const ChannelEntry& e) { return e.type == c; })) {
            throw FormatError(std::string("le falta el canal ") + colourNames[c - Red]);
        }
    }
    std::size_t rows = 0;
    for (int level = 0; level < levels; ++level) {
        rows += static_cast<std::size_t>(levelSide(height, level));
    }
    const char* const cutTable = "está cortado en la tabla de líneas";
    in.need(4 * rows, cutTable);
    std::vector<std::int32_t> offsets(rows);
    for (std::int32_t& offset : offsets) {
        offset = in.i32(cutTable);
    }
    std::vector<RgbaImage> images;
    std::span<const std::int32_t> rest = offsets;
    for (int level = 0; level < levels; ++level) {
        const auto h = static_cast<std::size_t>(levelSide(height, level));
        images.push_back(scanlineLevel(contents, channels, rest.first(h), levelSide(width, level)));
        rest = rest.subspan(h);
    }
    return images;
}

bool isPowerOfTwo(int v)
{
    return v > 0 && (v & (v - 1)) == 0;
}

// The channel table: each channel's bits and kind.
std::vector<ChannelEntry> readChannels(ByteReader& in, std::int32_t count)
{
    if (count < 0 || static_cast<std::size_t>(count) > in.left() / 16) {
        throw FormatError("la tabla de canales dice tener " + std::to_string(count) +
                          " canales, que no caben en el archivo");
    }
    std::vector<ChannelEntry> channels;
    const char* const cutChannels = "está cortado en la tabla de canales";
    for (std::int32_t i = 0; i < count; ++i) {
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
        channels.push_back(channel);
    }
    return channels;
}

int alphaBitsOf(const std::vector<ChannelEntry>& channels)
{
    const auto has = [&](std::uint8_t type) {
        return std::any_of(channels.begin(), channels.end(),
                           [type](const ChannelEntry& c) { return c.type == type; });
    };
    return has(Alpha) ? 8 : has(Mask) ? 1 : 0;
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
    const std::int32_t surface = in.i32(cutHeader);
    const std::int32_t channelCount = in.i32(cutHeader);
    in.skip(128, cutHeader);
    if (width <= 0 || height <= 0 || width > maxTextureSide || height > maxTextureSide) {
        throw FormatError("mide " + sizeText(width, height) + ", fuera de 1 a " +
                          std::to_string(maxTextureSide));
    }
    const bool mipMaps = (options & 0x01) != 0;
    const bool raw = (options & 0x10) != 0;
    if (mipMaps && (width != height || !isPowerOfTwo(width))) {
        throw FormatError("tiene mip maps y mide " + sizeText(width, height) +
                          ", que no es un cuadrado de lado potencia de 2");
    }
    const std::optional<TexelFormat> format = rawFormat(surface);
    if (raw && !format) {
        throw FormatError("el formato de superficie " + hex(surface) + " no se conoce");
    }
    const std::vector<ChannelEntry> channels = readChannels(in, channelCount);
    // Every level down to 1 × 1 when it has mip maps; none is made.
    int levels = 1;
    for (int side = width; mipMaps && side > 1; side /= 2) {
        ++levels;
    }
    CabinTexture texture;
    texture.alphaBits = alphaBitsOf(channels);
    texture.levels = raw ? readRawLevels(in, *format, width, height, levels)
                         : readScanlineLevels(in, contents, channels, width, height, levels);
    return texture;
}

} // namespace orbanil
