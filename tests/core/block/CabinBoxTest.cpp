#include "core/block/CabinBox.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

TEST(BoxSummary, WorkedBox)
{
    EXPECT_EQ(boxSummary("12,5", "3", "2,9"), "Dimensiones: \r\n"
                                              "\r\n"
                                              "Largo: 12,5m ( 6,25 -6,25 )\r\n"
                                              "Alto: 3m ( 1,5 -1,5 )\r\n"
                                              "Ancho: 2,9m ( 1,45 -1,45 )");
}

TEST(BoxSummary, TypedTextsAreShownUnchanged)
{
    EXPECT_EQ(boxSummary("02,50", "03", "0,5"), "Dimensiones: \r\n"
                                                "\r\n"
                                                "Largo: 02,50m ( 1,25 -1,25 )\r\n"
                                                "Alto: 03m ( 1,5 -1,5 )\r\n"
                                                "Ancho: 0,5m ( 0,25 -0,25 )");
}

// A text that does not read, and a number that is not above zero: a box cannot have it.
const char* const notDimensions[] = {"",    "-", ",",  "1,2,3", "1-2", "5-",
                                     "2.5", "0", "-0", "0,0",   "-3",  "-12,5"};

TEST(BoxSummary, AnyTextThatIsNoDimensionGivesNothing)
{
    for (const char* bad : notDimensions) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(boxSummary(bad, "3", "2,9").has_value());
        EXPECT_FALSE(boxSummary("12,5", bad, "2,9").has_value());
        EXPECT_FALSE(boxSummary("12,5", "3", bad).has_value());
    }
}

TEST(CabinBoxReadiness, EachEmptyDimensionBlocksAndABlankCounts)
{
    const CabinBox filled{"12,5", "3", "2,9"};
    EXPECT_TRUE(isReady(filled));
    EXPECT_FALSE(isReady(CabinBox{}));
    for (std::string CabinBox::*member : {&CabinBox::length, &CabinBox::height, &CabinBox::width}) {
        CabinBox box = filled;
        box.*member = "";
        EXPECT_FALSE(isReady(box));
        box.*member = " ";
        EXPECT_TRUE(isReady(box));
    }
}

struct Range
{
    const char* word;
    const char* typed;
    const char* line;
};

const Range rangeCases[] = {
    {"Ancho: ", "2,9", "Ancho: 2,9 m Limites: -1,45 m / 1,45 m"},
    {"Alto: ", "3", "Alto: 3 m Limites: -1,5 m / 1,5 m"},
    {"Largo: ", "12,5", "Largo: 12,5 m Limites: -6,25 m / 6,25 m"},
    {"Ancho: ", "2,5", "Ancho: 2,5 m Limites: -1,25 m / 1,25 m"},
    {"Ancho: ", "0,5", "Ancho: 0,5 m Limites: -0,25 m / 0,25 m"},
    {"Largo: ", "02,50", "Largo: 02,50 m Limites: -1,25 m / 1,25 m"},
};

TEST(RangeLine, Examples)
{
    for (const Range& c : rangeCases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(rangeLine(c.word, c.typed), c.line);
    }
}

TEST(RangeLine, TextThatIsNoDimensionGivesNothing)
{
    for (const char* bad : notDimensions) {
        EXPECT_FALSE(rangeLine("Ancho: ", bad).has_value()) << bad;
    }
}

struct AroundShape
{
    Vec3 low, high;
    std::optional<CabinBox> box;
};

TEST(BoxAroundShape, TwiceTheFarthestReachAcrossAndAlongAndUpToTheTop)
{
    const AroundShape cases[] = {
        {{-1.45f, 1.1f, -10}, {1.45f, 3.9f, 10}, CabinBox{"20", "3,9", "2,9"}},
        {{-1.2f, -0.3f, -9}, {1.5f, 4.256f, 10.504f}, CabinBox{"21,01", "4,26", "3"}},
        {{-1.45f, -2, -10}, {1.45f, -0.5f, 10}, std::nullopt}, // under the rail
        {{-0.001f, 1, -10}, {0.002f, 3.9f, 10}, std::nullopt}, // flat: 0 m wide
    };
    for (const AroundShape& c : cases) {
        CabinShape shape;
        shape.triangles.resize(1);
        shape.boundsMin = c.low;
        shape.boundsMax = c.high;
        EXPECT_EQ(boxAroundShape(shape), c.box) << c.high.z;
    }
    EXPECT_EQ(boxAroundShape(CabinShape{}), std::nullopt);
}

} // namespace
} // namespace orbanil
