#include "core/shape/AceImage.h"

#include "tests/support/AceWriter.h"
#include "tests/support/BadBytes.h"
#include "tests/support/ShapeWriter.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

using namespace testing;
using Rgba = std::array<std::uint8_t, 4>;

std::string repeated(const std::string& block, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += block;
    }
    return out;
}

const std::array<int, 16> byColumn = dxt1Stripes(Stripe::ByColumn);
const std::array<int, 16> byRow = dxt1Stripes(Stripe::ByRow);

struct Decode
{
    const char* what;
    std::string contents;
    int alphaBits;
    std::vector<std::pair<std::array<int, 2>, Rgba>> pixels; // (x, y) and its colour
};

RgbaImage withHole()
{
    RgbaImage image = filledImage(8, 8, {10, 20, 30, 255});
    std::fill_n(image.pixels.begin() + 4 * (8 * 3 + 5), 4, 0); // (5, 3): transparent black
    return image;
}

// Red 0xF800 > blue 0x001F: four colours, the two between at thirds. Black 0x0000 is not above
// 0x8408 (132, 130, 66): three colours, the one between at half, and transparent black.
const Decode decodes[] = {
    {"DXT1, four colours",
     aceRaw(0x12, 8, 8, repeated(dxt1Block(0xF800, 0x001F, byColumn), 4)),
     0,
     {{{0, 0}, {255, 0, 0, 255}},
      {{1, 5}, {0, 0, 255, 255}},
      {{2, 2}, {170, 0, 85, 255}},
      {{7, 7}, {85, 0, 170, 255}}}},
    {"DXT1, three colours and transparent",
     aceRaw(0x12, 8, 8, repeated(dxt1Block(0x0000, 0x8408, byRow), 4), AceAlpha::Mask),
     1,
     {{{3, 0}, {0, 0, 0, 255}},
      {{0, 1}, {132, 130, 66, 255}},
      {{5, 6}, {66, 65, 33, 255}},
      {{6, 7}, {0, 0, 0, 0}}}},
    {"DXT1, a size that is not a multiple of 4",
     aceRaw(0x12, 6, 5, repeated(dxt1Block(0xF800, 0x001F, byColumn), 4)),
     0,
     {{{5, 4}, {0, 0, 255, 255}}}},
    {"DXT3: four bits of alpha a pixel, always four colours",
     aceRaw(0x14, 4, 4,
            std::string("\x10\x32\x54\x76\x98\xBA\xDC\xFE", 8) + dxt1Block(0x0000, 0x8408, byRow),
            AceAlpha::Alpha),
     8,
     {{{0, 0}, {0, 0, 0, 0}}, {{1, 0}, {0, 0, 0, 17}}, {{3, 3}, {88, 86, 44, 255}}}},
    {"DXT5: eight alphas between two",
     aceRaw(0x16, 4, 4,
            std::string("\xFF\x00\x88\xC6\xFA\x00\x00\x00", 8) +
                dxt1Block(0xF800, 0x001F, byColumn),
            AceAlpha::Alpha),
     8,
     {{{0, 0}, {255, 0, 0, 255}},
      {{1, 0}, {0, 0, 255, 0}},
      {{2, 0}, {170, 0, 85, 218}},
      {{3, 0}, {85, 0, 170, 182}},
      {{0, 1}, {255, 0, 0, 145}},
      {{1, 1}, {0, 0, 255, 109}},
      {{2, 1}, {170, 0, 85, 72}},
      {{3, 1}, {85, 0, 170, 36}}}},
    {"DXT5: six alphas between two, then 0 and 255",
     aceRaw(0x16, 4, 4,
            std::string("\x00\xFF\x88\xC6\xFA\x00\x00\x00", 8) +
                dxt1Block(0xF800, 0x001F, byColumn),
            AceAlpha::Alpha),
     8,
     {{{2, 0}, {170, 0, 85, 51}},
      {{1, 1}, {0, 0, 255, 204}},
      {{2, 1}, {170, 0, 85, 0}},
      {{3, 1}, {85, 0, 170, 255}}}},
    {"565",
     aceRaw(0x0E, 2, 1, littleEndian(0xF800, 2) + littleEndian(0x07E0, 2)),
     0,
     {{{0, 0}, {255, 0, 0, 255}}, {{1, 0}, {0, 255, 0, 255}}}},
    {"5551",
     aceRaw(0x10, 2, 1, littleEndian(0x801F, 2) + littleEndian(0x7C00, 2), AceAlpha::Mask),
     1,
     {{{0, 0}, {0, 0, 255, 255}}, {{1, 0}, {255, 0, 0, 0}}}},
    {"4444",
     aceRaw(0x11, 1, 1, littleEndian(0x8F30, 2), AceAlpha::Alpha),
     8,
     {{{0, 0}, {255, 51, 0, 136}}}},
    {"scanlines with a mask",
     aceScanlines(withHole(), AceAlpha::Mask),
     1,
     {{{0, 0}, {10, 20, 30, 255}}, {{5, 3}, {0, 0, 0, 0}}, {{6, 3}, {10, 20, 30, 255}}}},
    {"scanlines with alpha",
     aceScanlines(filledImage(3, 2, {1, 2, 3, 77}), AceAlpha::Alpha),
     8,
     {{{2, 1}, {1, 2, 3, 77}}}},
    {"scanlines, opaque",
     aceScanlines(withHole(), AceAlpha::None),
     0,
     {{{5, 3}, {0, 0, 0, 255}}, {{7, 7}, {10, 20, 30, 255}}}},
};

TEST(AceImage, TexturesDecodeToTheirPixels)
{
    for (const Decode& d : decodes) {
        SCOPED_TRACE(d.what);
        const CabinTexture texture = readAceContents(d.contents);
        EXPECT_EQ(texture.alphaBits, d.alphaBits);
        ASSERT_EQ(texture.levels.size(), 1u);
        const RgbaImage& image = texture.levels.front();
        ASSERT_EQ(image.pixels.size(), 4u * static_cast<std::size_t>(image.width * image.height));
        for (const auto& [at, colour] : d.pixels) {
            EXPECT_EQ(pixel(image, at[0], at[1]), colour) << at[0] << "," << at[1];
        }
    }
}

struct Levels
{
    const char* what;
    std::string contents;
    std::vector<int> sides;
    std::vector<std::pair<std::array<int, 3>, Rgba>> pixels; // (level, x, y) and its colour
};

std::string rows565(std::initializer_list<std::uint16_t> colours)
{
    std::string out;
    for (const std::uint16_t c : colours) {
        out += littleEndian(c, 2);
    }
    return out;
}

// Red, green, blue and white, each a row of a 4 × 4 level.
const std::string stripes565 =
    rows565({0xF800, 0xF800, 0xF800, 0xF800, 0x07E0, 0x07E0, 0x07E0, 0x07E0, 0x001F, 0x001F, 0x001F,
             0x001F, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF});

// Every stored level, down to 1 × 1; raw levels under 4 pixels are the first bytes of the last
// one stored, as the simulator hands them on.
const Levels levelCases[] = {
    {"raw DXT1: 8 × 8 and 4 × 4 stored, 2 × 2 and 1 × 1 from the 4 × 4 block",
     aceRawLevels(
         0x12, 8,
         {repeated(dxt1Block(0xF800, 0x001F, byColumn), 4), dxt1Block(0x07E0, 0x001F, byRow)}),
     {8, 4, 2, 1},
     {{{0, 0, 0}, {255, 0, 0, 255}},
      {{1, 3, 0}, {0, 255, 0, 255}},
      {{1, 0, 3}, {0, 85, 170, 255}},
      {{2, 1, 1}, {0, 0, 255, 255}},
      {{3, 0, 0}, {0, 255, 0, 255}}}},
    {"raw 565: the 2 × 2 and 1 × 1 levels take the 4 × 4 level's first row",
     aceRawLevels(0x0E, 4, {stripes565}),
     {4, 2, 1},
     {{{0, 0, 2}, {0, 0, 255, 255}}, {{1, 1, 1}, {255, 0, 0, 255}}, {{2, 0, 0}, {255, 0, 0, 255}}}},
    {"scanlines: each level its own lines",
     aceScanlines(std::vector<RgbaImage>{filledImage(4, 4, {1, 2, 3, 255}),
                                         filledImage(2, 2, {4, 5, 6, 255}),
                                         filledImage(1, 1, {7, 8, 9, 255})},
                  AceAlpha::None),
     {4, 2, 1},
     {{{0, 3, 3}, {1, 2, 3, 255}}, {{1, 1, 1}, {4, 5, 6, 255}}, {{2, 0, 0}, {7, 8, 9, 255}}}},
};

TEST(AceImage, MipMapsKeepEveryStoredLevel)
{
    for (const Levels& c : levelCases) {
        SCOPED_TRACE(c.what);
        const CabinTexture texture = readAceContents(c.contents);
        std::vector<int> sides;
        for (const RgbaImage& level : texture.levels) {
            EXPECT_EQ(level.width, level.height);
            sides.push_back(level.width);
        }
        ASSERT_EQ(sides, c.sides);
        for (const auto& [at, colour] : c.pixels) {
            EXPECT_EQ(pixel(texture.levels[static_cast<std::size_t>(at[0])], at[1], at[2]), colour)
                << at[0] << ": " << at[1] << "," << at[2];
        }
    }
}

TEST(AceImage, EveryBadTextureSaysWhatIsWrong)
{
    const BadBytes cases[] = {
        {"cut short", aceScanlines(withHole(), AceAlpha::Mask).substr(0, 152 + 64 + 10),
         "está cortado en la tabla de líneas"},
        {"an unknown format", aceRaw(0x13, 8, 8, std::string(64, '\0')),
         "el formato de superficie 0x13 no se conoce"},
        {"too large", aceRaw(0x12, 100000, 8, ""), "mide 100000 × 8 píxeles, fuera de 1 a 8192"},
    };
    expectRefused(cases, readAceContents);
}

} // namespace
} // namespace orbanil
