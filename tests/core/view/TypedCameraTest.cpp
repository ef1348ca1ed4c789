#include "core/view/TypedCamera.h"

#include "core/block/ViewNumbers.h"
#include "core/view/HeadSteps.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <random>

namespace orbanil {
namespace {

constexpr double degree = std::numbers::pi / 180;

double angleBetween(const Vec3d& a, const Vec3d& b)
{
    return std::acos(std::clamp(dot(a, b), -1.0, 1.0));
}

// Moving the head and looking around, then typing back the head and the direction the buttons
// take gives the same view, within the millimetre and the whole degree they are written to.
TEST(TypedCamera, TheViewTakenGivesTheSameViewTyped)
{
    std::mt19937 random(5);
    std::uniform_int_distribution<int> typed(0, 359);
    std::uniform_real_distribution<double> pixels(-400, 400);
    std::uniform_int_distribution<int> way(0, 5);
    const CabinBounds bounds{{-1.4f, 0, -12}, {1.4f, 2.6f, 12}};
    for (int i = 0; i < 500; ++i) {
        PassengerCamera camera = cameraAtStart({0.4f, 1.7f, -2}, typed(random), typed(random));
        for (int move = 0; move < 20; ++move) {
            const auto direction = static_cast<HeadDirection>(way(random));
            const auto pace = static_cast<StepPace>(way(random) % 3);
            camera.eye = movedHead(camera.eye, headStep(direction, pace), bounds);
        }
        camera.eye = movedHead(camera.eye, headDragStep(camera.heading, pixels(random), 9), bounds);
        for (int drag = 0; drag < 3; ++drag) {
            camera = dragged(camera, pixels(random), pixels(random));
        }
        camera = turnedByKeys(camera, typed(random) - 180, typed(random) - 180);

        const StartDirectionDegrees direction = startDirectionOf(camera);
        ViewParams fields;
        fields.headX = writeHeadCoordinate(camera.eye.x);
        fields.headY = writeHeadCoordinate(camera.eye.y);
        fields.headZ = writeHeadCoordinate(camera.eye.z);
        fields.startDirectionX = std::to_string(direction.x);
        fields.startDirectionY = std::to_string(direction.y);
        SCOPED_TRACE(testing::Message() << "case " << i << ": " << fields.headX << " "
                                        << fields.headY << " " << fields.headZ << ", "
                                        << fields.startDirectionX << " " << fields.startDirectionY);
        EXPECT_TRUE(direction.x >= -90 && direction.x <= 90 && direction.y >= 0 &&
                    direction.y < 360);
        const PassengerCamera taken = typedCamera(fields).camera.value();
        EXPECT_LE(std::abs(taken.eye.x - camera.eye.x), 0.0005f);
        EXPECT_LE(std::abs(taken.eye.y - camera.eye.y), 0.0005f);
        EXPECT_LE(std::abs(taken.eye.z - camera.eye.z), 0.0005f);
        EXPECT_LT(angleBetween(cameraAxes(taken).forward, cameraAxes(camera).forward),
                  0.71 * degree);
        EXPECT_LT(angleBetween(cameraAxes(taken).right, cameraAxes(camera).right), 0.71 * degree);
    }
}

} // namespace
} // namespace orbanil
