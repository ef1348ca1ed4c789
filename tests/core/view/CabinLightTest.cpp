#include "core/view/CabinLight.h"

#include <cmath>
#include <gtest/gtest.h>

namespace orbanil {
namespace {

// The sun's height and side relative to the car: ahead is +Z, right +X, up +Y.
TEST(CabinLight, TheSunStandsWhereItsHeightAndSideSay)
{
    struct Case
    {
        CabinLight light;
        Vec3d toward;
    };
    const double r = std::sqrt(0.5);
    const Case cases[] = {
        {{false, 0, 0}, {0, 0, 1}},     {{false, 0, 90}, {1, 0, 0}},
        {{false, 0, -90}, {-1, 0, 0}},  {{false, 90, 30}, {0, 1, 0}},
        {{false, 45, 180}, {0, r, -r}}, {{true, 45, 0}, {0, -0.5, std::sqrt(0.75)}},
        {{false, NAN, 0}, {0, r, r}},
    };
    for (const Case& c : cases) {
        const Vec3d sun = towardSun(c.light);
        EXPECT_NEAR(sun.x, c.toward.x, 1e-9);
        EXPECT_NEAR(sun.y, c.toward.y, 1e-9);
        EXPECT_NEAR(sun.z, c.toward.z, 1e-9);
    }
    EXPECT_EQ(skyColour({}), daySky);
    EXPECT_EQ(skyColour({true}), nightSky);
}

} // namespace
} // namespace orbanil
