#include "core/screen/WindowPlacement.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

struct Placement
{
    ScreenRect area;
    ScreenRect main;
    ScreenRect keep; // the head and direction fields
    ScreenRect placed;
};

// The passenger view (917 x 861 wanted, 400 wide at least) beside the main window (1090 x 660).
const Placement placements[] = {
    // Right of it, whole; exactly fitting; left of it, whole.
    {{0, 0, 2560, 1400}, {200, 370, 1090, 660}, {210, 450, 390, 260}, {1290, 370, 917, 861}},
    {{0, 0, 2007, 1400}, {0, 100, 1090, 660}, {10, 180, 390, 260}, {1090, 100, 917, 861}},
    {{0, 0, 2200, 1400}, {1110, 0, 1090, 660}, {1120, 80, 390, 260}, {193, 0, 917, 861}},
    // Centred on a wide screen, beside it narrower; moved right, left of it narrower.
    {{0, 0, 2560, 1400}, {735, 370, 1090, 660}, {745, 450, 390, 260}, {1825, 370, 735, 861}},
    {{0, 0, 1366, 728}, {500, 34, 1090, 660}, {510, 114, 390, 260}, {0, 0, 500, 728}},
    // 1366 x 728: over the rest of it, right of the fields, or left of them where they are right.
    {{0, 0, 1366, 728}, {138, 34, 1090, 660}, {148, 114, 390, 260}, {538, 0, 828, 728}},
    {{0, 0, 1366, 728}, {276, 34, 1090, 660}, {900, 114, 390, 260}, {0, 0, 900, 728}},
    // No room for the least width anywhere: at the right edge.
    {{0, 24, 800, 576}, {0, 24, 800, 576}, {10, 104, 550, 260}, {400, 24, 400, 576}},
};

TEST(WindowPlacement, BesideTheMainWindowElseClearOfItsFields)
{
    for (const Placement& p : placements) {
        const ScreenRect placed = besideWindow(p.area, p.main, p.keep, 917, 861, 400);
        EXPECT_EQ(placed, p.placed) << &p - placements << ": " << placed.left << " " << placed.top
                                    << " " << placed.width << " " << placed.height;
    }
}

} // namespace
} // namespace orbanil
