#include "core/view/PassengerCamera.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace orbanil {
namespace {

constexpr double degree = std::numbers::pi / 180;

const double s10 = std::sin(10 * degree), c10 = std::cos(10 * degree);

struct Axis
{
    double startX, startY; // StartDirection as typed, degrees
    Vec3d forward, right, up;
};

// Where the typed direction looks, and which way the image's right and up lie: the
// simulator's look-at keeps the world upright past straight down.
const Axis axes[] = {
    {0, 0, {0, 0, 1}, {1, 0, 0}, {0, 1, 0}},
    {0, 90, {1, 0, 0}, {0, 0, -1}, {0, 1, 0}},
    {10, 0, {0, -s10, c10}, {1, 0, 0}, {0, c10, s10}},
    {350, 0, {0, s10, c10}, {1, 0, 0}, {0, c10, -s10}},
    {100, 0, {0, -c10, -s10}, {-1, 0, 0}, {0, s10, -c10}},
};

TEST(PassengerCamera, StartDirectionTurnsTheViewAsTheSimulatorDoes)
{
    for (const Axis& axis : axes) {
        SCOPED_TRACE(testing::Message() << axis.startX << " " << axis.startY);
        const CameraAxes seen = cameraAxes(cameraAtStart({}, axis.startX, axis.startY));
        for (const auto& [got, expected] : {std::pair{seen.forward, axis.forward},
                                            {seen.right, axis.right},
                                            {seen.up, axis.up}}) {
            EXPECT_NEAR(got.x, expected.x, 1e-12);
            EXPECT_NEAR(got.y, expected.y, 1e-12);
            EXPECT_NEAR(got.z, expected.z, 1e-12);
        }
    }
    // F = (H/2) / tan(fov/2): at 90 degrees on 640 x 400, a point 1 m right at 1 m is 200 px out.
    const auto point = projectToScreen({{}, 0, 0, 90}, {1, 0, 1}, 640, 400);
    ASSERT_TRUE(point);
    EXPECT_DOUBLE_EQ(point->x, 520);
    EXPECT_DOUBLE_EQ(point->y, 200);
    EXPECT_FALSE(projectToScreen({{}, 0, 0, 45}, {0, 0, 0.099f}, 640, 400)); // the near plane
}

struct Look
{
    double pitch, heading; // degrees
    StartDirectionDegrees fields;
};

// What the fields would hold for a camera turned so: an upward look negative; past straight
// down or up the same view is held the other way round.
const Look looks[] = {
    {10, -10, {10, 350}},  {-10, -370, {-10, 350}}, {100, 0, {80, 180}},
    {-95, 30, {-85, 210}}, {0, 725, {0, 5}},        {0.4, 359.6, {0, 0}},
    {-0.6, 0, {-1, 0}},    {89.6, 90, {90, 90}},    {350, 0, {-10, 0}},
};

TEST(PassengerCamera, TheDirectionReadsAsTheFieldsWouldHoldIt)
{
    for (const Look& look : looks) {
        SCOPED_TRACE(testing::Message() << look.pitch << ", " << look.heading);
        const PassengerCamera camera{{}, look.pitch * degree, look.heading * degree, 45};
        EXPECT_EQ(startDirectionOf(camera), look.fields);
    }
}

struct Move
{
    PassengerCamera (*apply)(PassengerCamera);
    double pitch, heading, fieldOfView; // degrees, from a camera level ahead at 45 degrees
};

// Dragging turns 0.01 radian a pixel unbounded; the keys turn a degree a press with the pitch
// held short of straight down or up; the wheel zooms between 1 and 135 degrees.
const Move moves[] = {
    {[](PassengerCamera c) { return dragged(c, 100, 0); }, 0, 1 / degree, 45},
    {[](PassengerCamera c) { return dragged(c, 0, -300); }, -3 / degree, 0, 45},
    {[](PassengerCamera c) { return turnedByKeys(c, -3, 2); }, 2, -3, 45},
    {[](PassengerCamera c) { return turnedByKeys(c, 400, 200); }, 180 / 2.1, 400, 45},
    {[](PassengerCamera c) { return turnedByKeys(c, 0, -200); }, -180 / 2.1, 0, 45},
    {[](PassengerCamera c) { return zoomed(c, 2); }, 0, 0, 35},
    {[](PassengerCamera c) { return zoomed(c, 100); }, 0, 0, 1},
    {[](PassengerCamera c) { return zoomed(c, -100); }, 0, 0, 135},
};

TEST(PassengerCamera, LooksAroundAsTheSimulatorDoes)
{
    for (const Move& move : moves) {
        const PassengerCamera camera = move.apply(cameraAtStart({}, 0, 0));
        EXPECT_NEAR(camera.pitch / degree, move.pitch, 1e-9);
        EXPECT_NEAR(camera.heading / degree, move.heading, 1e-9);
        EXPECT_DOUBLE_EQ(camera.fieldOfView, move.fieldOfView);
    }
}

} // namespace
} // namespace orbanil
