#include "core/ViewParams.h"

#include "tests/support/WorkedExample.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

using Member = std::string ViewParams::*;

const Member allMembers[] = {
    &ViewParams::txtShapeFile, &ViewParams::txtCamPosX, &ViewParams::txtCamPosY,
    &ViewParams::txtCamPosZ,   &ViewParams::txtRotLimX, &ViewParams::txtRotLimY,
    &ViewParams::txtRotLimZ,   &ViewParams::txtStaDirX, &ViewParams::txtStaDirY,
    &ViewParams::txtStaDirZ,   &ViewParams::txtSound,
};

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
    for (std::size_t i = 0; i < std::size(allMembers); ++i) {
        SCOPED_TRACE(i);
        ViewParams p = filled();
        p.*allMembers[i] = "";
        EXPECT_FALSE(isReady(p));
    }
}

TEST(Readiness, ALoneBlankOrMinusCountsAsFilled)
{
    for (std::size_t i = 0; i < std::size(allMembers); ++i) {
        SCOPED_TRACE(i);
        ViewParams p = filled();
        p.*allMembers[i] = " ";
        EXPECT_TRUE(isReady(p));
    }
    ViewParams p = filled();
    p.txtCamPosX = "-";
    EXPECT_TRUE(isReady(p));
}

} // namespace
} // namespace orbanil
