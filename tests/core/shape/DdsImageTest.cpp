#include "core/shape/DdsImage.h"

#include "tests/support/AceWriter.h"
#include "tests/support/BadBytes.h"
#include "tests/support/DdsWriter.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

using namespace testing;
using Rgba = std::array<std::uint8_t, 4>;

const std::string redBlue = dxt1Block(0xF800, 0x001F, dxt1Stripes(Stripe::ByColumn));
const std::string eightBytes = "\x01\x02\x03\x04\x05\x06\x07\x08";

struct Format
{
    const char* what;
    std::string file;
    int alphaBits;
    std::vector<int> widths; // each level's
    std::array<int, 3> at;   // a level and a pixel of it
    Rgba colour;
};

// A count of 0 levels is one level, as tools write it.
const Format formats[] = {
    {"DXT1", ddsFile(ddsDxt('1'), 4, 4, 0, redBlue), 1, {4}, {0, 1, 0}, {0, 0, 255, 255}},
    {"DXT3",
     ddsFile(ddsDxt('3'), 4, 4, 0, std::string(8, '\x88') + redBlue),
     4,
     {4},
     {0, 0, 3},
     {255, 0, 0, 136}},
    {"DXT5",
     ddsFile(ddsDxt('5'), 4, 4, 0, std::string("\0\xFF", 2) + std::string(6, 0) + redBlue),
     4,
     {4},
     {0, 1, 1},
     {0, 0, 255, 0}},
    {"A8R8G8B8", ddsFile(ddsBgra, 2, 1, 0, eightBytes), 8, {2}, {0, 1, 0}, {7, 6, 5, 8}},
    {"X8R8G8B8: opaque", ddsFile(ddsBgrx, 2, 1, 0, eightBytes), 8, {2}, {0, 1, 0}, {7, 6, 5, 255}},
    {"A8B8G8R8", ddsFile(ddsRgba, 2, 1, 0, eightBytes), 8, {2}, {0, 1, 0}, {5, 6, 7, 8}},
    {"R8G8B8",
     ddsFile(ddsBgr, 2, 1, 0, eightBytes.substr(0, 6)),
     8,
     {2},
     {0, 1, 0},
     {6, 5, 4, 255}},
    {"a full chain",
     ddsFile(ddsRgba, 4, 2, 3, std::string(40, 0) + eightBytes.substr(4)),
     8,
     {4, 2, 1},
     {2, 0, 0},
     {5, 6, 7, 8}},
    {"a chain that stops short: the largest level",
     ddsFile(ddsRgba, 8, 8, 2, std::string(320, 0)),
     8,
     {8},
     {0, 7, 7},
     {0, 0, 0, 0}},
    {"counted one short of 1 × 1, a level past the end keeps the one before's first bytes",
     ddsFile(ddsRgba, 2, 2, 1, eightBytes + eightBytes),
     8,
     {2, 1},
     {1, 0, 0},
     {1, 2, 3, 4}},
};

TEST(DdsImage, EveryFormatDecodesToItsLevelsAndAlphaBits)
{
    for (const Format& f : formats) {
        SCOPED_TRACE(f.what);
        const CabinTexture texture = readDdsFile(f.file);
        EXPECT_EQ(texture.alphaBits, f.alphaBits);
        std::vector<int> widths;
        for (const RgbaImage& level : texture.levels) {
            widths.push_back(level.width);
        }
        ASSERT_EQ(widths, f.widths);
        const auto [level, x, y] = f.at;
        EXPECT_EQ(pixel(texture.levels[static_cast<std::size_t>(level)], x, y), f.colour);
    }
}

TEST(DdsImage, EveryFileItDoesNotReadSaysWhy)
{
    DdsPixelFormat alphaFlagWithoutAlpha = ddsBgrx;
    alphaFlagWithoutAlpha.flags = 0x41;
    const BadBytes cases[] = {
        {"an .ace", aceFile(""), "no es una textura .dds: no empieza por «DDS »"},
        {"cut in a level", ddsFile(ddsDxt('1'), 8, 8, 0, redBlue),
         "está cortado en los datos de un nivel"},
        {"the DX10 header", ddsFile({0x4, 0x30315844}, 4, 4, 0, redBlue),
         "tiene la cabecera DX10, que el simulador no lee"},
        {"masks it does not know", ddsFile(alphaFlagWithoutAlpha, 1, 1, 0, eightBytes),
         "su formato de píxel (indicadores 0x41, 32 bits) no se lee"},
        {"a cube map", ddsFile(ddsRgba, 1, 1, 0, eightBytes, 0xFE00),
         "es un mapa cúbico, no una textura plana"},
    };
    expectRefused(cases, readDdsFile);
}

} // namespace
} // namespace orbanil
