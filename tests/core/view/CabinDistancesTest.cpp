#include "core/view/CabinDistances.h"

#include "core/shape/ShapeContents.h"
#include "core/shape/TextureAlpha.h"
#include "tests/support/CabinFixture.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

// The fixture's triangles, all opaque: what a line meets does not depend on alpha.
CabinShape fixture()
{
    const std::string contents =
        testing::binaryShapeContents(testing::shapeBinary(testing::fixtureCabin()));
    return cabinShape(readShapeContents(contents, false), std::vector<int>(4, 0));
}

// Floor at y = 0, walls at x = ±1.4, the window's glass at x = -1.38 (y 1 to 1.8, z -1 to 1),
// the seats' cushions at y = 0.55 and backs at z = 2.25, 0.25 and -1.75 (x -0.8 to -0.3, up to
// y = 1.2); no roof and no end walls.
TEST(CabinDistances, TheFloorBelowAndTheSurfaceAheadOfTheFixture)
{
    struct Row
    {
        const char* what;
        Vec3 eye;
        double pitch, heading; // degrees
        std::optional<double> below, ahead;
        std::string line;
    };
    const Row rows[] = {
        {"standing, looking at the window",
         {0, 1.5f, 0},
         0,
         270,
         1.5,
         1.38,
         "Ojos a 1,5 m del suelo. Superficie de enfrente a 1,38 m."},
        {"over a cushion, at a seat's back",
         {-0.5f, 1, 0.5f},
         0,
         0,
         0.45,
         1.75,
         "Ojos a 0,45 m del suelo. Superficie de enfrente a 1,75 m."},
        {"over the backs, down the car",
         {-0.5f, 1.5f, 0.5f},
         0,
         0,
         0.95,
         std::nullopt,
         "Ojos a 0,95 m del suelo. Ninguna superficie enfrente."},
        {"looking down at the floor",
         {0.5f, 1.7f, 0},
         90,
         0,
         1.7,
         1.7,
         "Ojos a 1,7 m del suelo. Superficie de enfrente a 1,7 m."},
        {"to the right wall, at the floor",
         {0, 0.004f, 2},
         0,
         90,
         0.004,
         1.4,
         "Ojos a menos de 0,01 m del suelo. Superficie de enfrente a 1,4 m."},
        {"under the floor, looking up",
         {0, -0.5f, 0},
         -90,
         0,
         std::nullopt,
         0.5,
         "Ninguna superficie debajo de los ojos. Superficie de enfrente a 0,5 m."},
    };
    const CabinShape shape = fixture();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const PassengerCamera camera = cameraAtStart(row.eye, row.pitch, row.heading);
        const Vec3d eye = vectorCast<double>(row.eye);
        const std::optional<double> below = surfaceDistance(shape, eye, {0, -1, 0});
        const std::optional<double> ahead = surfaceDistance(shape, eye, cameraAxes(camera).forward);
        ASSERT_EQ(below.has_value(), row.below.has_value());
        ASSERT_EQ(ahead.has_value(), row.ahead.has_value());
        EXPECT_NEAR(below.value_or(0), row.below.value_or(0), 1e-5);
        EXPECT_NEAR(ahead.value_or(0), row.ahead.value_or(0), 1e-5);
        EXPECT_EQ(distancesLine(shape, camera), row.line);
    }
}

} // namespace
} // namespace orbanil
