#include "core/block/ViewParams.h"

#include "core/block/InsideBlock.h"
#include "tests/support/WorkedExample.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

ViewParams filled()
{
    return testing::workedExampleParams();
}

TEST(Readiness, AllFilledIsReady)
{
    EXPECT_TRUE(isReady(filled()));
}

TEST(Readiness, AllEmptyAsAtStartIsNotReady)
{
    EXPECT_FALSE(isReady(ViewParams{}));
}

TEST(Readiness, AnySingleEmptyFieldBlocks)
{
    for (const ViewField& field : viewFields) {
        SCOPED_TRACE(field.control);
        ViewParams p = filled();
        p.*field.member = "";
        EXPECT_FALSE(isReady(p));
    }
}

TEST(Readiness, ALoneBlankOrMinusCountsAsFilled)
{
    for (const ViewField& field : viewFields) {
        SCOPED_TRACE(field.control);
        ViewParams p = filled();
        p.*field.member = " ";
        EXPECT_TRUE(isReady(p));
    }
    ViewParams p = filled();
    p.headX = "-";
    EXPECT_TRUE(isReady(p));
}

TEST(ViewFields, EachControlFillsItsOwnSlotOfTheBlock)
{
    ViewParams p;
    for (const ViewField& field : viewFields) {
        p.*field.member = field.control;
    }
    EXPECT_EQ(generateInside(p),
              "Inside (\r\n"
              "     PassengerCabinFile ( txtShapeFile )\r\n"
              "     PassengerCabinHeadPos (  txtCamPosX txtCamPosY txtCamPosZ )\r\n"
              "     RotationLimit (  txtRotLimX txtRotLimY txtRotLimZ )\r\n"
              "     StartDirection ( txtStaDirX txtStaDirY txtStaDirZ )\r\n"
              "     Sound ( \"txtSound\" )\r\n"
              ")");
}

} // namespace
} // namespace orbanil
