#include "core/screen/WindowPlacement.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

struct Placement
{
    const char* what;
    ScreenRect area;
    ScreenRect main;
    ScreenRect keep; // the head and direction fields
    int width, height, least;
    ScreenRect placed;
};

// The passenger view (917 x 861 wanted, 400 wide at least) beside the main window (1090 x 660,
// its fields in the first 400 pixels).
const Placement placements[] = {
    {"wide screen: right of it",
     {0, 0, 2560, 1400},
     {200, 370, 1090, 660},
     {210, 450, 390, 260},
     917,
     861,
     400,
     {1290, 370, 917, 861}},
    {"touching the right edge",
     {0, 0, 2007, 1400},
     {0, 100, 1090, 660},
     {10, 180, 390, 260},
     917,
     861,
     400,
     {1090, 100, 917, 861}},
    {"main at the right: left of it",
     {0, 0, 2200, 1400},
     {1110, 0, 1090, 660},
     {1120, 80, 390, 260},
     917,
     861,
     400,
     {193, 0, 917, 861}},
    {"1366 x 728: right of the fields, narrower",
     {0, 0, 1366, 728},
     {138, 34, 1090, 660},
     {148, 114, 390, 260},
     917,
     861,
     400,
     {538, 0, 828, 728}},
    {"centred on a wide screen: beside it, narrower",
     {0, 0, 2560, 1400},
     {735, 370, 1090, 660},
     {745, 450, 390, 260},
     917,
     861,
     400,
     {1825, 370, 735, 861}},
    {"main dragged right: left of it, narrower",
     {0, 0, 1366, 728},
     {500, 34, 1090, 660},
     {510, 114, 390, 260},
     917,
     861,
     400,
     {0, 0, 500, 728}},
    {"room enough right of the fields",
     {0, 0, 1600, 900},
     {255, 120, 1090, 660},
     {265, 200, 390, 260},
     917,
     861,
     400,
     {655, 39, 917, 861}},
    {"fields at the right: left of them",
     {0, 0, 1366, 728},
     {276, 34, 1090, 660},
     {900, 114, 390, 260},
     917,
     861,
     400,
     {0, 0, 900, 728}},
    {"no room for the least: at the right edge",
     {0, 24, 800, 576},
     {0, 24, 800, 576},
     {10, 104, 550, 260},
     917,
     861,
     400,
     {400, 24, 400, 576}},
};

TEST(WindowPlacement, BesideTheMainWindowElseClearOfItsFields)
{
    for (const Placement& p : placements) {
        const ScreenRect placed = besideWindow(p.area, p.main, p.keep, p.width, p.height, p.least);
        EXPECT_EQ(placed, p.placed) << p.what << ": " << placed.left << " " << placed.top << " "
                                    << placed.width << " " << placed.height;
    }
}

} // namespace
} // namespace orbanil
