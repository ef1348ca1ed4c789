#include "core/view/HeadSteps.h"

#include <gtest/gtest.h>
#include <numbers>

namespace orbanil {
namespace {

constexpr double degree = std::numbers::pi / 180;

// Moves within the fixture's bounds, against them and from beyond them.
TEST(HeadSteps, AMoveStaysInTheCabinOrComesBackToIt)
{
    const CabinBounds bounds{{-1.4f, 0, -3}, {1.4f, 2.4f, 3}};
    struct Row
    {
        const char* what;
        Vec3 head;
        Vec3d step;
        Vec3 moved;
    };
    const Row rows[] = {
        {"inside", {0, 1.5f, 0}, {0.04, 0.01, -0.1}, {0.04f, 1.51f, -0.1f}},
        {"to the right wall", {1.35f, 1.5f, 0}, {0.32, 0, 0}, {1.4f, 1.5f, 0}},
        {"down to the floor", {0, 0.005f, 0}, {0, -0.08, 0}, {0, 0, 0}},
        {"past the front and the left", {-1.3f, 1, 2.9f}, {-0.5, 0, 0.8}, {-1.4f, 1, 3}},
        {"above the roof, further up", {0, 3, 0}, {0, 0.08, 0}, {0, 3, 0}},
        {"above the roof, down", {0, 3, 0}, {0, -0.08, 0}, {0, 2.92f, 0}},
        {"above the roof, along", {0, 3, 0}, {0, 0, 0.1}, {0, 3, 0.1f}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const Vec3 moved = movedHead(row.head, row.step, bounds);
        EXPECT_NEAR(moved.x, row.moved.x, 1e-6);
        EXPECT_NEAR(moved.y, row.moved.y, 1e-6);
        EXPECT_NEAR(moved.z, row.moved.z, 1e-6);
    }
}

// A drag walks the head where the view looks: up the image ahead, right to the right.
TEST(HeadSteps, ADragMovesAcrossTheFloorAsTheViewLooks)
{
    struct Row
    {
        double heading; // degrees
        double right, up;
        Vec3d step;
    };
    const Row rows[] = {
        {0, 10, 20, {0.1, 0, 0.2}},
        {90, 10, 20, {0.2, 0, -0.1}},
        {180, -30, 0, {0.3, 0, 0}},
        {270, 30, 20, {-0.2, 0, 0.3}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.heading);
        const Vec3d step = headDragStep(row.heading * degree, row.right, row.up);
        EXPECT_NEAR(step.x, row.step.x, 1e-12);
        EXPECT_EQ(step.y, 0);
        EXPECT_NEAR(step.z, row.step.z, 1e-12);
    }
}

} // namespace
} // namespace orbanil
