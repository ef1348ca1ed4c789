#include "core/sketch/HeadDrag.h"

#include "tests/support/WorkedExample.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

CameraViewSketch workedSketch()
{
    const TextMetrics font{13, [](std::string_view text) { return text.size() * 6.0; }};
    return sketchCameraView(
        readCameraViewNumbers(testing::workedExampleParams(), CabinBox{"12,5", "3", "2,9"}), 489,
        197, font);
}

// Pressed `press` pixels from a view's head and moved on by `by` metres of that view (along, up).
struct Drag
{
    bool above;
    PixelPoint press;
    double byAlong, byUp;
    std::optional<HeadMove> moved; // none where the press grabs nothing
};

TEST(HeadDrag, TheHeadFollowsThePointerInTheViewItWasGrabbedIn)
{
    const CameraViewSketch sketch = workedSketch();
    const Drag drags[] = {
        {true, {0, 0}, 1, 0.5, HeadMove{0.5, std::nullopt, -4.25}}, // from above: X down
        {true, {-4, 3}, -0.3, -0.05, HeadMove{-0.05, std::nullopt, -5.55}},
        {false, {3, 3}, 0, 0.5, HeadMove{std::nullopt, 2.8, -5.25}}, // from the side: Y up
        {false, {0, -6}, 2, -2.3, HeadMove{std::nullopt, 0, -3.25}},
        {true, {9, 0}, 1, 0, std::nullopt}, // beside the head
    };
    for (const Drag& d : drags) {
        const ViewSketch& view = d.above ? sketch.above : sketch.side;
        const PixelPoint press{view.head->centre.x + d.press.x, view.head->centre.y + d.press.y};
        const std::optional<HeadGrab> grab = grabHead(sketch, press);
        ASSERT_EQ(grab.has_value(), d.moved.has_value()) << d.press.x;
        if (grab) {
            const double s = view.mapping->scale;
            EXPECT_EQ(dragHead(*grab, {press.x + d.byAlong * s,
                                       press.y + d.byUp * view.mapping->yPerMetre}),
                      *d.moved);
        }
    }
}

TEST(HeadDrag, AFineDragMovesTheHeadATenthAsFarFromWhereItsPaceChanged)
{
    const CameraViewSketch sketch = workedSketch();
    const PixelPoint press = sketch.side.head->centre;
    const auto along = [&](double metres) {
        return PixelPoint{press.x + metres * sketch.side.mapping->scale, press.y};
    };
    // A metre at full pace, a metre finely, a metre at full pace again: never a jump.
    const HeadGrab fine = atPace(*grabHead(sketch, press), along(1), fineDragPace);
    EXPECT_EQ(dragHead(fine, along(1)), (HeadMove{std::nullopt, 2.3, -4.25}));
    EXPECT_EQ(dragHead(fine, along(2)), (HeadMove{std::nullopt, 2.3, -4.15}));
    EXPECT_EQ(dragHead(atPace(fine, along(2), 1), along(3)), (HeadMove{std::nullopt, 2.3, -3.15}));
}

TEST(HeadDrag, APointerOutsideThePlotTakesTheHeadToItsEdge)
{
    const CameraViewSketch sketch = workedSketch();
    const HeadMove far = dragHead(*grabHead(sketch, sketch.side.head->centre), {1e6, -1e6});
    const PixelPoint corner = sketch.side.mapping->at(*far.z, *far.y);
    // To the centimetre, a pixel at most.
    EXPECT_NEAR(corner.x, sketch.side.plot.right(), sketch.side.mapping->scale / 100);
    EXPECT_NEAR(corner.y, sketch.side.plot.top, sketch.side.mapping->scale / 100);
}

} // namespace
} // namespace orbanil
