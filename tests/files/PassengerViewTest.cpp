#include "files/PassengerView.h"

#include "tests/support/CabinFixture.h"
#include "tests/support/MemoryFiles.h"

#include <functional>
#include <gtest/gtest.h>

namespace orbanil {
namespace {

using namespace testing;

// Typing a number or turning the view draws the cabin read before; only another folder, another
// name or the folder chosen again reads the files.
TEST(PassengerView, ReadsTheFilesAgainOnlyForAnotherFolderNameOrChoice)
{
    const FixtureFolder fixture = fixtureFolder(memoryRoot, ShapeForm::Binary);
    const MemoryFiles disk(fixture.files);
    ViewParams typed{fixtureCabinFile, "0", "1.5", "0", "0", "0", "0", "0", "270", "0", ""};
    PassengerViewState state{fixture.wagonFolder, fixtureCabinFile, 0, typedCamera(typed), 64, 40};
    struct Step
    {
        const char* what;
        std::function<void(PassengerViewState&)> change;
        int readings;
    };
    const Step steps[] = {
        {"first", [](PassengerViewState&) {}, 1},
        {"a head typed",
         [&](PassengerViewState& s) { typed.headX = "0.2", s.camera = typedCamera(typed); }, 1},
        {"another size", [](PassengerViewState& s) { s.width = 80; }, 1},
        {"a name typed", [](PassengerViewState& s) { s.shapeName += "x"; }, 2},
        {"and taken back", [](PassengerViewState& s) { s.shapeName.pop_back(); }, 3},
        {"the folder chosen again", [](PassengerViewState& s) { ++s.readings; }, 4},
        {"another folder", [](PassengerViewState& s) { s.wagonFolder = memoryRoot; }, 5},
    };
    PassengerView view(disk);
    for (const Step& step : steps) {
        step.change(state);
        const std::optional<PassengerViewFrame> frame = view.frame(state);
        ASSERT_TRUE(frame) << step.what;
        EXPECT_EQ(view.shapeReadings(), step.readings) << step.what;
        EXPECT_EQ(frame->image.has_value(), frame->lines.empty()) << step.what;
    }
    state.wagonFolder = fixture.wagonFolder;
    const std::atomic<bool> cancelled{true};
    EXPECT_FALSE(view.frame(state, &cancelled));
}

} // namespace
} // namespace orbanil
