#include "core/InsideBlock.h"

#include "tests/support/WorkedExample.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

using testing::workedExampleBlock;
const ViewParams workedExample = testing::workedExampleParams();

TEST(InsideBlock, WorkedExampleIsExactTo192Characters)
{
    const std::string block = generateInside(workedExample);
    EXPECT_EQ(block, workedExampleBlock);
    EXPECT_EQ(block.size(), 192u);
}

TEST(InsideBlock, ValuesAreWrittenExactlyAsTyped)
{
    ViewParams p = workedExample;
    p.shapeFile = "mi cabina.s";
    p.soundFile = "a\"b.sms";
    p.headX = "1.2.3";
    p.headY = "5-";
    p.headZ = "-";
    p.rotationLimitX = " 007 ";
    const std::string block = generateInside(p);
    EXPECT_NE(block.find("     PassengerCabinFile ( mi cabina.s )\r\n"), std::string::npos);
    EXPECT_NE(block.find("     PassengerCabinHeadPos (  1.2.3 5- - )\r\n"), std::string::npos);
    EXPECT_NE(block.find("     RotationLimit (   007  60 0 )\r\n"), std::string::npos);
    EXPECT_NE(block.find("     Sound ( \"a\"b.sms\" )\r\n"), std::string::npos);
}

TEST(InsideBlock, EmptyMembersLeaveEmptySlots)
{
    EXPECT_EQ(generateInside(ViewParams{}), "Inside (\r\n"
                                            "     PassengerCabinFile (  )\r\n"
                                            "     PassengerCabinHeadPos (     )\r\n"
                                            "     RotationLimit (     )\r\n"
                                            "     StartDirection (    )\r\n"
                                            "     Sound ( \"\" )\r\n"
                                            ")");
}

} // namespace
} // namespace orbanil
