#include "core/shape/DdsImage.h"

#include "tests/support/AceWriter.h"
#include "tests/support/BadBytes.h"
#include "tests/support/DdsWriter.h"
#include "tests/support/ShapeWriter.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

using namespace testing;
using Rgba = std::array<std::uint8_t, 4>;

std::string bytes(std::initializer_list<int> values)
{
    std::string out;
    for (const int v : values) {
        out += static_cast<char>(v);
    }
    return out;
}

struct Format
{
    const char* what;
    std::string file;
    int alphaBits;
    std::vector<std::array<int, 2>> sides;                   // each level's width and height
    std::vector<std::pair<std::array<int, 3>, Rgba>> pixels; // (level, x, y) and its colour
};

const std::string redBlue = dxt1Block(0xF800, 0x001F, dxt1Stripes(Stripe::ByColumn));
const std::string halfAlpha(8, '\x88'); // DXT3: alpha 8 of 15 everywhere

// Two pixels, (1, 2, 3) with alpha 4 and (5, 6, 7) with alpha 8, in each layout, as one level
// (a count of 0, as tools write it).
const Format formats[] = {
    {"DXT1", ddsFile(ddsDxt('1'), 4, 4, 1, redBlue), 1, {{4, 4}}, {{{0, 1, 0}, {0, 0, 255, 255}}}},
    {"DXT3",
     ddsFile(ddsDxt('3'), 4, 4, 1, halfAlpha + redBlue),
     4,
     {{4, 4}},
     {{{0, 0, 3}, {255, 0, 0, 136}}}},
    {"DXT2 read as DXT3",
     ddsFile(ddsDxt('2'), 4, 4, 1, halfAlpha + redBlue),
     4,
     {{4, 4}},
     {{{0, 0, 0}, {255, 0, 0, 136}}}},
    {"DXT5",
     ddsFile(ddsDxt('5'), 4, 4, 1, bytes({0, 255, 0, 0, 0, 0, 0, 0}) + redBlue),
     4,
     {{4, 4}},
     {{{0, 1, 1}, {0, 0, 255, 0}}}},
    {"A8R8G8B8",
     ddsFile(ddsBgra(), 2, 1, 0, bytes({3, 2, 1, 4, 7, 6, 5, 8})),
     8,
     {{2, 1}},
     {{{0, 0, 0}, {1, 2, 3, 4}}, {{0, 1, 0}, {5, 6, 7, 8}}}},
    {"X8R8G8B8: the fourth byte is opaque",
     ddsFile(ddsBgrx(), 2, 1, 0, bytes({3, 2, 1, 4, 7, 6, 5, 8})),
     8,
     {{2, 1}},
     {{{0, 1, 0}, {5, 6, 7, 255}}}},
    {"A8B8G8R8",
     ddsFile(ddsRgba(), 2, 1, 0, bytes({1, 2, 3, 4, 5, 6, 7, 8})),
     8,
     {{2, 1}},
     {{{0, 1, 0}, {5, 6, 7, 8}}}},
    {"X8B8G8R8",
     ddsFile(ddsRgbx(), 2, 1, 0, bytes({1, 2, 3, 4, 5, 6, 7, 8})),
     8,
     {{2, 1}},
     {{{0, 0, 0}, {1, 2, 3, 255}}}},
    {"R8G8B8: 24 bits",
     ddsFile(ddsBgr(), 2, 1, 0, bytes({3, 2, 1, 7, 6, 5})),
     8,
     {{2, 1}},
     {{{0, 1, 0}, {5, 6, 7, 255}}}},
    {"R5G6B5",
     ddsFile(ddsRgb565(), 1, 1, 1, littleEndian(0x07E0, 2)),
     0,
     {{1, 1}},
     {{{0, 0, 0}, {0, 255, 0, 255}}}},
    {"A1R5G5B5",
     ddsFile(ddsArgb1555(), 1, 1, 1, littleEndian(0x7C00, 2)),
     1,
     {{1, 1}},
     {{{0, 0, 0}, {255, 0, 0, 0}}}},
    {"A4R4G4B4",
     ddsFile(ddsArgb4444(), 1, 1, 1, littleEndian(0x8F30, 2)),
     4,
     {{1, 1}},
     {{{0, 0, 0}, {255, 51, 0, 136}}}},
    {"a full chain: every level down to 1 × 1",
     ddsFile(ddsRgba(), 4, 2, 3,
             std::string(32, '\x10') + bytes({1, 2, 3, 4, 5, 6, 7, 8}) + bytes({9, 10, 11, 12})),
     8,
     {{4, 2}, {2, 1}, {1, 1}},
     {{{1, 1, 0}, {5, 6, 7, 8}}, {{2, 0, 0}, {9, 10, 11, 12}}}},
    {"a chain counted one short of 1 × 1 is read whole",
     ddsFile(ddsRgba(), 4, 4, 2, std::string(64 + 16 + 4, '\x20')),
     8,
     {{4, 4}, {2, 2}, {1, 1}},
     {}},
    {"a chain that stops short: the largest level alone",
     ddsFile(ddsRgba(), 8, 8, 2, std::string(4 * 64 + 4 * 16, '\x30')),
     8,
     {{8, 8}},
     {}},
};

TEST(DdsImage, EveryFormatDecodesToItsPixelsAndAlphaBits)
{
    for (const Format& f : formats) {
        SCOPED_TRACE(f.what);
        const CabinTexture texture = readDdsFile(f.file);
        EXPECT_EQ(texture.alphaBits, f.alphaBits);
        std::vector<std::array<int, 2>> sides;
        for (const RgbaImage& level : texture.levels) {
            sides.push_back({level.width, level.height});
        }
        ASSERT_EQ(sides, f.sides);
        for (const auto& [at, colour] : f.pixels) {
            EXPECT_EQ(pixel(texture.levels[static_cast<std::size_t>(at[0])], at[1], at[2]), colour)
                << at[0] << ": " << at[1] << "," << at[2];
        }
    }
}

TEST(DdsImage, EveryFileItDoesNotReadSaysWhy)
{
    DdsPixelFormat bgrxWithAlphaFlag = ddsBgrx();
    bgrxWithAlphaFlag.flags = 0x41;
    const BadBytes cases[] = {
        {"an .ace", aceFile(aceRaw(0x12, 4, 4, redBlue)),
         "no es una textura .dds: no empieza por «DDS »"},
        {"cut in the header", ddsFile(ddsDxt('1'), 4, 4, 1, "").substr(0, 100),
         "está cortado en la cabecera de la textura"},
        {"cut in a level", ddsFile(ddsDxt('1'), 8, 8, 1, redBlue),
         "está cortado en los datos de un nivel"},
        {"the DX10 header", ddsFile({0x4, 0x30315844}, 4, 4, 1, redBlue),
         "tiene la cabecera DX10, que el simulador no lee"},
        {"another compression", ddsFile({0x4, 0x31495441}, 4, 4, 1, redBlue),
         "su compresión «ATI1» no se lee"},
        {"masks the simulator does not know",
         ddsFile(bgrxWithAlphaFlag, 1, 1, 1, std::string(4, 0)),
         "su formato de píxel (indicadores 0x41, 32 bits) no se lee"},
        {"a cube map", ddsFile(ddsRgba(), 1, 1, 1, std::string(24, 0), 0xFE00),
         "es un mapa cúbico, no una textura plana"},
        {"too large", ddsFile(ddsDxt('1'), 8, 9000, 1, ""),
         "mide 8 × 9000 píxeles, fuera de 1 a 8192"},
    };
    expectRefused(cases, readDdsFile);
}

} // namespace
} // namespace orbanil
