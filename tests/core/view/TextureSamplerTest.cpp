#include "core/view/TextureSampler.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

RgbaImage greys(std::initializer_list<std::uint8_t> row)
{
    RgbaImage image{static_cast<int>(row.size()), 1, {}};
    for (const std::uint8_t grey : row) {
        image.pixels.insert(image.pixels.end(), {grey, grey, grey, 255});
    }
    return image;
}

// A row of four texels read beyond its ends in each addressing, and between two centres.
TEST(TextureSampler, CoordinatesBeyondTheTextureReadAsItsAddressingSays)
{
    const RgbaImage row = greys({10, 20, 30, 40});
    const CabinTexture texture{{row}};
    struct Case
    {
        float u;
        int wrap, mirror, clamp, border;
    };
    constexpr int white = 255;
    const Case cases[] = {
        {0.625f, 30, 30, 30, 30},         {0.25f, 15, 15, 15, 15},     {1.125f, 10, 40, 40, white},
        {-0.125f, 40, 10, 10, white},     {2.125f, 10, 10, 40, white}, {-1.875f, 10, 10, 10, white},
        {100000.375f, 20, 20, 40, white},
    };
    for (const Case& c : cases) {
        const int expected[] = {c.wrap, c.mirror, c.clamp, c.border};
        for (int mode = 0; mode < 4; ++mode) {
            const TextureSampler sampler(usableLevels(&texture), TextureAddressing(mode), 0);
            EXPECT_EQ(sampler.sample(c.u, 0.5f, 0).channel(0), expected[mode])
                << "u " << c.u << ", addressing " << mode;
        }
    }
}

// Which stored levels a texture samples: each half the one before and whole, from the first.
TEST(TextureSampler, ATextureSamplesTheLevelsThatHalveFromTheFirst)
{
    const auto level = [](int width, int height) {
        return RgbaImage{width, height, std::vector<std::uint8_t>(std::size_t(width) * height * 4)};
    };
    RgbaImage shortOne = level(4, 4);
    shortOne.pixels.pop_back();
    struct Case
    {
        const char* what;
        std::vector<RgbaImage> levels;
        std::size_t usable;
    };
    const Case cases[] = {
        {"none stored", {}, 0},
        {"one", {level(8, 8)}, 1},
        {"down to 1 x 1", {level(8, 8), level(4, 4), level(2, 2), level(1, 1)}, 4},
        {"not square", {level(8, 4), level(4, 2), level(2, 1), level(1, 1)}, 4},
        {"a level not half the one before", {level(8, 8), level(4, 4), level(3, 3)}, 2},
        {"a level short of pixels", {level(8, 8), shortOne, level(2, 2)}, 1},
        {"the first short of pixels", {shortOne, level(2, 2)}, 0},
    };
    for (const Case& c : cases) {
        const CabinTexture texture{c.levels};
        EXPECT_EQ(usableLevels(&texture).size(), c.usable) << c.what;
    }
    EXPECT_TRUE(usableLevels(nullptr).empty());
}

} // namespace
} // namespace orbanil
