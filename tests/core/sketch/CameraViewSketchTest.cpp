#include "core/sketch/CameraViewSketch.h"

#include "core/block/NumberText.h"
#include "tests/support/WorkedExample.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <numbers>

namespace orbanil {
namespace {

// A font of `line` px lines and 6/13 of that per byte; 13 px on 489 x 197 is the design.
TextMetrics fixedFont(double line)
{
    return TextMetrics{line, [line](std::string_view text) {
                           return static_cast<double>(text.size()) * line * 6 / 13;
                       }};
}

const CabinBox workedBox{"12,5", "3", "2,9"};

CameraViewSketch sketchOf(const ViewParams& view, const CabinBox& box = workedBox,
                          double width = 489, double height = 197, double line = 13)
{
    return sketchCameraView(readCameraViewNumbers(view, box), width, height, fixedFont(line));
}

ViewParams headAt(const char* x, const char* y, const char* z)
{
    ViewParams view = testing::workedExampleParams();
    view.headX = x;
    view.headY = y;
    view.headZ = z;
    return view;
}

const char* const inside = "La cabeza está dentro de la caja.";

struct Described
{
    std::string x;
    std::string y;
    std::string z;
    CabinBox box;
    bool outside; // the head's colour, where a view draws it
    std::string text;
};

// Past the simulator's single precision, and past a double too.
const std::string e39 = "1" + std::string(39, '0');
const std::string e400 = "1" + std::string(400, '0') + ".5";

const Described describedCases[] = {
    {"0", "2.3", "-5.25", workedBox, false, inside},
    {"1.45", "0", "6.25", workedBox, false, inside}, // on the faces of the box
    {"-1.45", "3", "-6.25", workedBox, false, inside},
    {"0", "2.3", "6.6", workedBox, true, "La cabeza está 0,35 m por delante de la caja."},
    {"0", "2.3", "-7", workedBox, true, "La cabeza está 0,75 m por detrás de la caja."},
    {"1.5", "1", "0", workedBox, true, "La cabeza está 0,05 m a la derecha de la caja."},
    {"-2", "1", "0", workedBox, true, "La cabeza está 0,55 m a la izquierda de la caja."},
    {"0", "3.4", "0", workedBox, true, "La cabeza está 0,4 m por encima de la caja."},
    {"0", "-0.5", "0", workedBox, true, "La cabeza está 0,5 m por debajo del carril."},
    {"1.451", "1", "0", workedBox, true, "La cabeza está menos de 0,01 m a la derecha de la caja."},
    {"2", "-1", "-7", workedBox, true,
     "La cabeza está 0,55 m a la derecha de la caja, 1 m por debajo del carril y 0,75 m por "
     "detrás de la caja."},
    {"", "1", "0", workedBox, false, "La coordenada X de la cabeza aún no es un número."},
    {"-", "1", "1.2.3", workedBox, false, "Las coordenadas X y Z de la cabeza aún no son números."},
    {"", "5-", ".", workedBox, false, "Las coordenadas X, Y y Z de la cabeza aún no son números."},
    {"", "1", "-7", workedBox, true,
     "La cabeza está 0,75 m por detrás de la caja. La coordenada X de la cabeza aún no es un "
     "número."},
    {"0", "1", "-7", {"", "3", "2,9"}, false, "Las dimensiones de la caja no son válidas."},
    {"2", "1", "0", {"12,5", "3", "0"}, false, "Las dimensiones de la caja no son válidas."},
    {"2",
     "1",
     "0",
     {"12,5", "-3", "2,9"},
     true,
     "La cabeza está 0,55 m a la derecha de la caja. Las dimensiones de la caja no son válidas."},
    {"0", "-" + e39, e400, workedBox, false,
     "Las coordenadas Y y Z de la cabeza son demasiado grandes."},
    {e400, "1", "", workedBox, false,
     "La coordenada X de la cabeza es demasiado grande. La coordenada Z de la cabeza aún no es un "
     "número."},
};

TEST(CameraViewSketch, DescriptionAndWarningColour)
{
    for (const Described& c : describedCases) {
        SCOPED_TRACE(c.x + " " + c.y + " " + c.z);
        const CameraViewSketch sketch =
            sketchOf(headAt(c.x.c_str(), c.y.c_str(), c.z.c_str()), c.box);
        EXPECT_EQ(sketch.description, c.text);
        for (const ViewSketch* view : {&sketch.above, &sketch.side}) {
            if (view->head) {
                EXPECT_EQ(view->head->outside, c.outside);
            }
        }
    }
}

// What a view shows: b box, r rail, h head, a arrow, w wedge; "-" where left out.
std::string shown(const ViewSketch& view, bool side)
{
    std::string s{view.box ? 'b' : '-'};
    if (side) {
        s += view.rail ? 'r' : '-';
    }
    return s + (view.head ? 'h' : '-') + (view.arrow ? 'a' : '-') + (view.wedge ? 'w' : '-');
}

struct LeftOut
{
    std::function<void(ViewParams&, CabinBox&)> change;
    const char* above;
    const char* side;
};

TEST(CameraViewSketch, TextThatIsNotANumberLeavesOutWhatDependsOnIt)
{
    const LeftOut cases[] = {
        {[](ViewParams&, CabinBox&) {}, "bhaw", "brhaw"},
        {[](ViewParams& v, CabinBox&) { v.headX = ""; }, "b---", "brhaw"},
        {[](ViewParams& v, CabinBox&) { v.headY = "-"; }, "bhaw", "br---"},
        {[](ViewParams& v, CabinBox&) { v.headZ = "1.2.3"; }, "b---", "br---"},
        {[](ViewParams& v, CabinBox&) { v.startDirectionY = ""; }, "bh--", "brh--"},
        {[](ViewParams& v, CabinBox&) { v.startDirectionX = ""; }, "bh--", "brh--"},
        {[](ViewParams& v, CabinBox&) { v.rotationLimitY = ""; }, "bha-", "brhaw"},
        {[](ViewParams& v, CabinBox&) { v.rotationLimitY = "0"; }, "bha-", "brhaw"},
        {[](ViewParams& v, CabinBox&) { v.rotationLimitX = ""; }, "bhaw", "brha-"},
        {[](ViewParams&, CabinBox& b) { b.width = ""; }, "----", "brhaw"},
        {[](ViewParams&, CabinBox& b) { b.height = "3.0"; }, "bhaw", "-----"},
        {[](ViewParams&, CabinBox& b) { b.length = "-12,5"; }, "----", "-----"},
    };
    for (const LeftOut& c : cases) {
        ViewParams view = testing::workedExampleParams();
        CabinBox box = workedBox;
        c.change(view, box);
        const CameraViewSketch sketch = sketchOf(view, box);
        EXPECT_EQ(shown(sketch.above, false) + " " + shown(sketch.side, true),
                  std::string(c.above) + " " + c.side);
    }
}

// Screen angle of an arrow: degrees counter-clockwise from pointing right.
double angleOf(const DirectionArrow& arrow)
{
    const double degrees =
        std::atan2(arrow.shaft.from.y - arrow.shaft.to.y, arrow.shaft.to.x - arrow.shaft.from.x) *
        180 / std::numbers::pi;
    return std::fmod(degrees + 360, 360);
}

// An arrow's angle, or the start direction seen end-on: out of the screen or into it.
constexpr double out = 1000;
constexpr double in = -1000;

struct Turn
{
    const char* tilt;
    const char* yaw;
    const char* tiltLimit;
    const char* yawLimit;
    double aboveArrow, aboveStart, aboveSpan; // span 0: no wedge
    double sideArrow, sideStart, sideSpan;
};

double shownAs(const ViewSketch& view)
{
    if (view.endOn) {
        EXPECT_FALSE(view.arrow);
        return view.endOn->outOfScreen ? out : in;
    }
    return view.arrow ? angleOf(*view.arrow) : 0;
}

TEST(CameraViewSketch, ArrowsAndWedgesFollowTheSimulatorsAngles)
{
    const Turn cases[] = {
        {"10", "0", "20", "60", 0, 300, 120, 350, 330, 40},     // ahead, tilted down
        {"0", "90", "0", "45", 270, 225, 90, out, 0, 0},        // to the right: end-on beside
        {"0", "180", "10", "10", 180, 170, 20, 180, 170, 20},   // back: both views turn round
        {"350", "0", "0", "0", 0, 0, 0, 10, 0, 0},              // 350 down is 10 up
        {"30", "180", "200", "400", 180, 0, 360, 210, 30, 360}, // limits past 180: full turns
        {"5", "270", "0", "0", 90, 0, 0, in, 0, 0},             // to the left, away from the side
        {"5", "91", "0", "0", 269, 0, 0, out, 0, 0},            // nearly sideways is end-on too
        {"0", "75", "0", "0", 285, 0, 0, out, 0, 0},            //
        {"0", "65", "0", "0", 295, 0, 0, 0, 0, 0},              // enough of it ahead for an arrow
        {"60", "90", "10", "0", 270, 0, 0, 270, 0, 0},          // sideways and down: down beside
        {"90", "0", "0", "30", in, 0, 0, 270, 0, 0},            // straight down: end-on above
        {"270", "0", "0", "0", out, 0, 0, 90, 0, 0},            // straight up
    };
    for (const Turn& c : cases) {
        SCOPED_TRACE(std::string(c.tilt) + " " + c.yaw);
        ViewParams view = testing::workedExampleParams();
        view.startDirectionX = c.tilt;
        view.startDirectionY = c.yaw;
        view.rotationLimitX = c.tiltLimit;
        view.rotationLimitY = c.yawLimit;
        const CameraViewSketch sketch = sketchOf(view);
        ASSERT_TRUE(sketch.above.arrow || sketch.above.endOn);
        ASSERT_TRUE(sketch.side.arrow || sketch.side.endOn);
        EXPECT_NEAR(shownAs(sketch.above), c.aboveArrow, 1e-9);
        EXPECT_NEAR(shownAs(sketch.side), c.sideArrow, 1e-9);
        for (const auto& [wedge, start, span] :
             {std::tuple{sketch.above.wedge, c.aboveStart, c.aboveSpan},
              std::tuple{sketch.side.wedge, c.sideStart, c.sideSpan}}) {
            ASSERT_EQ(wedge.has_value(), span > 0);
            if (wedge) {
                EXPECT_NEAR(wedge->startDegrees, start, 1e-9);
                EXPECT_NEAR(wedge->spanDegrees, span, 1e-9);
            }
        }
    }
}

// Whatever the start direction, each view's arrow lies inside the range it turns through, and the
// side view's points ahead exactly when the view starts looking ahead, down when tilted down.
TEST(CameraViewSketch, ArrowsLieInsideTheirWedgesAndPointAsTheViewLooks)
{
    for (int yaw = 0; yaw < 360; yaw += 10) {
        for (int tilt = 0; tilt < 360; tilt += 10) {
            SCOPED_TRACE(std::to_string(yaw) + " " + std::to_string(tilt));
            ViewParams view = testing::workedExampleParams();
            view.startDirectionY = std::to_string(yaw);
            view.startDirectionX = std::to_string(tilt);
            view.rotationLimitX = "25";
            view.rotationLimitY = "25";
            const CameraViewSketch sketch = sketchOf(view);
            for (const ViewSketch* shown : {&sketch.above, &sketch.side}) {
                ASSERT_NE(shown->arrow.has_value(), shown->endOn.has_value());
                if (shown->arrow && shown->wedge) {
                    const double into =
                        std::fmod(angleOf(*shown->arrow) - shown->wedge->startDegrees + 720, 360);
                    EXPECT_LE(into, shown->wedge->spanDegrees + 1e-9);
                }
            }
            if (sketch.side.arrow) {
                const double radians = angleOf(*sketch.side.arrow) * std::numbers::pi / 180;
                const double ahead = std::cos(yaw * std::numbers::pi / 180) *
                                     std::cos(tilt * std::numbers::pi / 180);
                if (std::fabs(ahead) > 1e-9) {
                    EXPECT_EQ(std::cos(radians) > 1e-9, ahead > 0);
                }
                if (tilt % 180 != 0) {
                    EXPECT_EQ(std::sin(radians) < 0, tilt < 180);
                }
            }
        }
    }
}

TEST(CameraViewSketch, WorkedExampleIsToScaleWithTheRailAtZero)
{
    const CameraViewSketch sketch = sketchOf(testing::workedExampleParams());
    const PixelRect top = *sketch.above.box;
    const double s = sketch.above.mapping->scale;
    EXPECT_NEAR(top.width, 12.5 * s, 1e-9);
    EXPECT_NEAR(top.height, 2.9 * s, 1e-9);
    // Front right: Z -5,25 is 1 m ahead of the rear face, on the centre line.
    EXPECT_NEAR(sketch.above.head->centre.x, top.left + 1 * s, 1e-9);
    EXPECT_NEAR(sketch.above.head->centre.y, top.top + 1.45 * s, 1e-9);

    const PixelRect side = *sketch.side.box;
    EXPECT_EQ(sketch.side.mapping->scale, s);
    EXPECT_NEAR(side.width, 12.5 * s, 1e-9);
    EXPECT_NEAR(side.height, 3 * s, 1e-9);
    EXPECT_EQ(sketch.side.rail->from.y, side.bottom());
    EXPECT_NEAR(sketch.side.head->centre.y, side.bottom() - 2.3 * s, 1e-9);
    // Under each other: a Z at the same x in both views.
    EXPECT_EQ(side.left, top.left);
    EXPECT_EQ(sketch.side.head->centre.x, sketch.above.head->centre.x);
    EXPECT_LT(top.bottom(), side.top);
    // The 1 m grid inside the box: Z -6 to 6 and X -1, 0, 1 above; Z -6 to 6 and Y 1, 2 beside.
    EXPECT_EQ(sketch.above.grid.size(), 16u);
    EXPECT_EQ(sketch.side.grid.size(), 15u);
}

// A pixel of a 20 m car is at most 5 cm in both views, so that a head is placed by hand to 5 cm:
// at the design size for a coach, and for a tall one at the size and font of a usual Windows.
TEST(CameraViewSketch, TwentyMetreCarTakesFourHundredPixelsInBothViews)
{
    const double windows = 16.0 / 13;
    for (const auto& [box, scale] :
         {std::pair{CabinBox{"20", "4", "2,9"}, 1.0}, {CabinBox{"20", "4,5", "3,2"}, windows}}) {
        const CameraViewSketch sketch =
            sketchOf(testing::workedExampleParams(), box, 489 * scale, 197 * scale, 13 * scale);
        EXPECT_GE(sketch.above.box->width, 400) << box.height;
        EXPECT_GE(sketch.side.box->width, 400) << box.height;
    }
}

TEST(CameraViewSketch, HeadOutsideIsDrawnWhereItIsUntilFarOut)
{
    const CameraViewSketch near = sketchOf(headAt("0", "2.3", "-7"));
    EXPECT_LT(near.above.head->centre.x, near.above.box->left);
    EXPECT_LT(near.side.head->centre.x, near.side.box->left);
    EXPECT_FALSE(near.above.head->offScale || near.side.head->offScale);

    const CameraViewSketch far = sketchOf(headAt("0", "2.3", "-70"));
    EXPECT_TRUE(far.above.head->offScale && far.side.head->offScale);
    EXPECT_EQ(far.description, "La cabeza está 63,75 m por detrás de la caja.");
}

// The step the grid's label gives, in metres.
std::optional<double> gridStepShown(const CameraViewSketch& sketch)
{
    const std::string& text = sketch.side.labels.back().text; // "cuadrícula: 1 m"
    return readDimension(text.substr(text.find(' ') + 1, text.size() - text.find(' ') - 3));
}

TEST(CameraViewSketch, GridLinesStandFivePixelsApartAtLeast)
{
    for (const char* length : {"60", "400"}) {
        const CameraViewSketch sketch =
            sketchOf(testing::workedExampleParams(), {length, "3", "2,9"});
        const std::optional<double> step = gridStepShown(sketch);
        ASSERT_TRUE(step) << length;
        EXPECT_GE(*step * sketch.side.mapping->scale, 5);
    }
}

struct Area
{
    double width, height, line;
};

// Nothing outside its view, no two texts over each other, none over a drawing.
void expectLaidOut(const CameraViewSketch& sketch, const Area& a)
{
    const PixelRect whole{0, 0, a.width, a.height};
    EXPECT_FALSE(sketch.above.area.intersects(sketch.side.area));
    std::vector<PixelRect> texts;
    for (const ViewSketch* view : {&sketch.above, &sketch.side}) {
        EXPECT_TRUE(whole.contains(view->area));
        EXPECT_TRUE(view->area.contains(view->plot));
        for (const SketchLabel& label : view->labels) {
            EXPECT_TRUE(view->area.contains(label.rect)) << label.text;
            texts.push_back(label.rect);
        }
        if (view->box) {
            EXPECT_TRUE(view->plot.contains(*view->box));
        }
        for (const PixelLine& line : view->grid) {
            EXPECT_TRUE(view->box->contains(line.from) && view->box->contains(line.to));
        }
        if (view->head) {
            const double r = view->head->radius;
            const PixelPoint c = view->head->centre;
            EXPECT_TRUE(view->plot.contains(PixelRect{c.x - r, c.y - r, 2 * r, 2 * r}));
        }
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_FALSE(texts[i].intersects(sketch.above.plot) ||
                     texts[i].intersects(sketch.side.plot));
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            EXPECT_FALSE(texts[i].intersects(texts[j]));
        }
    }
}

TEST(CameraViewSketch, FitsAnyAreaWithoutOverlaps)
{
    const Area areas[] = {{489, 197, 13}, {978, 394, 26}, {680, 274, 18}, {281, 137, 13},
                          {150, 137, 13}, {281, 40, 13},  {40, 20, 13},   {0, 0, 13}};
    const ViewParams heads[] = {testing::workedExampleParams(), headAt("0", "2.3", "-7"),
                                headAt("2", "-1", "-70"), headAt("", "", ""),
                                headAt("99999999999", "-99999", "0")};
    const CabinBox boxes[] = {workedBox, {"100000", "1", "0,001"}, {"2", "3", "3"}};
    for (const Area& a : areas) {
        for (const ViewParams& head : heads) {
            for (const CabinBox& box : boxes) {
                SCOPED_TRACE(std::to_string(a.width) + " " + head.headZ + " " + box.length);
                expectLaidOut(sketchOf(head, box, a.width, a.height, a.line), a);
            }
        }
    }
}

// The numbers a view shows, label by label, "2, 3" for heads drawn over each other.
std::vector<std::string> numbersShown(const ViewSketch& view)
{
    std::vector<std::string> numbers;
    for (const OtherMark& mark : view.others) {
        if (mark.number) {
            numbers.push_back(mark.number->text);
        }
    }
    return numbers;
}

// A bar car's eight seats, two of them outside the box, at the design size and at twice it:
// every head and number inside its plot, each number readable, over no head and no other, and
// the seats one view draws over each other (the side view those across the car from each other)
// named in one label.
TEST(CameraViewSketch, EightViewpointsStayInsideAndReadable)
{
    std::vector<ViewParams> seats{testing::workedExampleParams()};
    for (const auto& [x, z] : {std::pair{"0.9", "-1.79"},
                               {"-0.9", "-1.79"},
                               {"0.9", "2"},
                               {"-0.9", "2"},
                               {"0", "5.5"},
                               {"1.6", "0"},
                               {"0", "-9"}}) {
        seats.push_back(headAt(x, "2.3", z));
    }
    seats[3].startDirectionY = "90"; // seen end-on from the side, a ring round the head
    struct Shown
    {
        std::size_t shown;
        std::vector<std::string> above;
        std::vector<std::string> side;
    };
    for (const Area& a : {Area{489, 197, 13}, Area{978, 394, 26}}) {
        for (const Shown& c :
             {Shown{0, {"2", "3", "4", "5", "6", "7", "8"}, {"2, 3", "4, 5", "6", "7", "8"}},
              Shown{3, {"1", "2", "3", "5", "6", "7", "8"}, {"1", "2, 3", "5", "6", "7", "8"}}}) {
            SCOPED_TRACE(std::to_string(a.line) + " " + std::to_string(c.shown));
            const CameraViewSketch sketch =
                sketchCameraView(readCameraViewNumbers(seats, c.shown, workedBox), a.width,
                                 a.height, fixedFont(a.line));
            expectLaidOut(sketch, a);
            EXPECT_EQ(numbersShown(sketch.above), c.above);
            EXPECT_EQ(numbersShown(sketch.side), c.side);
            for (const ViewSketch* view : {&sketch.above, &sketch.side}) {
                ASSERT_EQ(view->others.size(), 7u);
                const double r = view->endOn ? view->endOn->radius : view->head->radius;
                const PixelPoint centre = view->head->centre;
                std::vector<PixelRect> covered{PixelRect{centre.x - r, centre.y - r, 2 * r, 2 * r}};
                for (const OtherMark& mark : view->others) {
                    const double m = mark.radius;
                    EXPECT_TRUE(view->plot.contains(
                        PixelRect{mark.centre.x - m, mark.centre.y - m, 2 * m, 2 * m}));
                    if (mark.number) {
                        EXPECT_TRUE(view->plot.contains(mark.number->rect));
                        EXPECT_FALSE(covered.front().intersects(mark.number->rect));
                        covered.push_back(mark.number->rect);
                    }
                }
                for (std::size_t i = 1; i < covered.size(); ++i) {
                    for (std::size_t j = i + 1; j < covered.size(); ++j) {
                        EXPECT_FALSE(covered[i].intersects(covered[j]));
                    }
                }
            }
            EXPECT_EQ(std::ranges::count(sketch.description, '\n'), 7);
        }
    }
}

} // namespace
} // namespace orbanil
