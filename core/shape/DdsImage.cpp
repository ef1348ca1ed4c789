#include "core/shape/DdsImage.h"

#include "core/shape/ByteReader.h"
#include "core/shape/FormatError.h"
#include "core/shape/TexelFormats.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <string>

namespace orbanil {

namespace {

// The pixel format part of the header.
struct PixelFormat
{
    std::uint32_t flags = 0;
    std::uint32_t fourCc = 0;
    std::uint32_t bits = 0;
    std::array<std::uint32_t, 4> masks{}; // red, green, blue, alpha
};

constexpr std::uint32_t fourCcFlag = 0x4;

constexpr std::uint32_t fourCc(const char (&code)[5])
{
    return static_cast<std::uint32_t>(code[0]) | static_cast<std::uint32_t>(code[1]) << 8 |
           static_cast<std::uint32_t>(code[2]) << 16 | static_cast<std::uint32_t>(code[3]) << 24;
}

struct KnownFormat
{
    std::uint32_t flags; // exactly these: 0x40 RGB, 0x41 RGB with alpha
    std::uint32_t bits;
    std::array<std::uint32_t, 4> masks;
    TexelFormat format;
    int alphaBits;
};

// The uncompressed layouts the simulator's reader knows.
constexpr KnownFormat knownFormats[] = {
    {0x41, 32, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, TexelFormat::Bgra8, 8},
    {0x40, 32, {0xFF0000, 0xFF00, 0xFF, 0}, TexelFormat::Bgrx8, 8},
    {0x41, 32, {0xFF, 0xFF00, 0xFF0000, 0xFF000000}, TexelFormat::Rgba8, 8},
    {0x40, 32, {0xFF, 0xFF00, 0xFF0000, 0}, TexelFormat::Rgbx8, 8},
    {0x40, 24, {0xFF0000, 0xFF00, 0xFF, 0}, TexelFormat::Bgr8, 8},
    {0x40, 16, {0xF800, 0x7E0, 0x1F, 0}, TexelFormat::Rgb565, 0},
    {0x41, 16, {0x7C00, 0x3E0, 0x1F, 0x8000}, TexelFormat::Argb1555, 1},
    {0x41, 16, {0xF00, 0xF0, 0xF, 0xF000}, TexelFormat::Argb4444, 4},
};

std::string hex(std::uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

// The texel format and alpha bits of a pixel format, or a fault saying it is not read.
std::pair<TexelFormat, int> formatOf(const PixelFormat& pixel)
{
    if ((pixel.flags & fourCcFlag) != 0) {
        switch (pixel.fourCc) {
        case fourCc("DXT1"):
            return {TexelFormat::Dxt1, 1};
        case fourCc("DXT2"):
        case fourCc("DXT3"):
            return {TexelFormat::Dxt3, 4};
        case fourCc("DXT4"):
        case fourCc("DXT5"):
            return {TexelFormat::Dxt5, 4};
        case fourCc("DX10"):
            throw FormatError("tiene la cabecera DX10, que el simulador no lee");
        default:
            std::string code;
            for (int shift = 0; shift < 32; shift += 8) {
                const char c = static_cast<char>((pixel.fourCc >> shift) & 0xFF);
                code += c >= 32 && c < 127 ? c : '?';
            }
            throw FormatError("su compresión «" + code + "» no se lee");
        }
    }
    for (const KnownFormat& known : knownFormats) {
        if (pixel.flags == known.flags && pixel.bits == known.bits && pixel.masks == known.masks) {
            return {known.format, known.alphaBits};
        }
    }
    throw FormatError("su formato de píxel (indicadores " + hex(pixel.flags) + ", " +
                      std::to_string(pixel.bits) + " bits) no se lee");
}

// Whether the header counts the levels of a full chain, halving the longer side down to 1.
bool isFullChain(int width, int height, std::int32_t levels)
{
    int halvings = 0;
    for (int side = std::max(width, height); side > 1; side /= 2) {
        ++halvings;
    }
    return halvings <= levels;
}

int chainLength(int width, int height)
{
    int levels = 1;
    for (int side = std::max(width, height); side > 1; side /= 2) {
        ++levels;
    }
    return levels;
}

} // namespace

CabinTexture readDdsFile(std::string_view file)
{
    ByteReader in(file);
    const char* const cutHeader = "está cortado en la cabecera de la textura";
    if (in.take(4, "no es una textura .dds: no empieza por «DDS »") != "DDS ") {
        throw FormatError("no es una textura .dds: no empieza por «DDS »");
    }
    in.skip(8, cutHeader); // the header's size and flags, which the simulator does not check
    const std::int32_t height = in.i32(cutHeader);
    const std::int32_t width = in.i32(cutHeader);
    in.skip(8, cutHeader); // pitch and depth
    const std::int32_t levelCount = in.i32(cutHeader);
    in.skip(4 * 12, cutHeader); // reserved words, the pixel format's size
    PixelFormat pixel;
    pixel.flags = in.u32(cutHeader);
    pixel.fourCc = in.u32(cutHeader);
    pixel.bits = in.u32(cutHeader);
    for (std::uint32_t& mask : pixel.masks) {
        mask = in.u32(cutHeader);
    }
    const std::uint32_t caps = in.u32(cutHeader);
    const std::uint32_t caps2 = in.u32(cutHeader);
    in.skip(12, cutHeader);
    if ((caps & 0x8) != 0 && (caps2 & 0x200) != 0) {
        throw FormatError("es un mapa cúbico, no una textura plana");
    }
    if ((caps2 & 0x200000) != 0) {
        throw FormatError("es una textura de volumen, no una plana");
    }
    if (width <= 0 || height <= 0 || width > maxTextureSide || height > maxTextureSide) {
        throw FormatError("mide " + std::to_string(width) + " × " + std::to_string(height) +
                          " píxeles, fuera de 1 a " + std::to_string(maxTextureSide));
    }
    const auto [format, alphaBits] = formatOf(pixel);
    const int levels = isFullChain(width, height, levelCount) ? chainLength(width, height) : 1;
    CabinTexture texture;
    texture.alphaBits = alphaBits;
    for (int level = 0; level < levels; ++level) {
        const int w = levelSide(width, level);
        const int h = levelSide(height, level);
        const std::string_view data =
            in.take(texelBytes(format, w, h), "está cortado en los datos de un nivel");
        texture.levels.push_back(decodeTexels(data, format, w, h));
    }
    return texture;
}

} // namespace orbanil
