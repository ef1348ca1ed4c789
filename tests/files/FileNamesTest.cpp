#include "files/FileNames.h"

#include "files/PathText.h"
#include "tests/files/OnWindows.h"

#include <gtest/gtest.h>
#include <vector>

namespace fs = std::filesystem;
using orbanil::nameMatches;
using orbanil::pathFromText;
using orbanil::sortNames;
using orbanil::testing::onWindows;

namespace {

using Paths = std::vector<fs::path>;

TEST(NameMatches, PatternsIgnoreCaseAndNeverTakeALongerExtension)
{
    struct Case
    {
        const char* name;
        const char* pattern;
        bool matches;
    };
    const std::vector<Case> cases{
        {"cab.s", "*.s", true},   {"CAB.S", "*.s", true},    {"Cab.s", "*.S", true},
        {"x.sms", "*.s", false},  {"x.s.bak", "*.s", false}, {"s", "*.s", false},
        {"a.ss", "*.s", false},   {"x.sms.s", "*.s", true},  {".s", "*.s", true},
        {"a.SMS", "*.sms", true}, {"a.sm", "*.sms", false},  {"a.s", "*.sms", false},
        {"ab.s", "?b.s", true},   {"b.s", "?b.s", false},    {"anything", "*", true},
        {"", "*", true},          {"a.s.s", "*.s", true},    {"Ñandú.S", "*.s", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(nameMatches(pathFromText(c.name), c.pattern), c.matches)
            << c.name << " against " << c.pattern;
    }
    // Letters beyond ASCII: Windows folds them too, other systems compare the bytes.
    const std::vector<Case> accented{
        {"ÑANDÚ.S", "ñandú.s", onWindows}, {"año.s", "AÑO.S", onWindows}, {"año.s", "año.s", true},
        {"ÉCLAIR.sms", "é*", onWindows},   {"niño.s", "NIÑA.S", false},
    };
    for (const Case& c : accented) {
        EXPECT_EQ(nameMatches(pathFromText(c.name), c.pattern), c.matches)
            << c.name << " against " << c.pattern;
    }
}

TEST(SortNames, WithoutRegardToCaseThenUpperCaseFirst)
{
    Paths names{"b.s", "a.s", "C.s", "ab.s", "A.s", "a"};
    sortNames(names);
    EXPECT_EQ(names, (Paths{"a", "A.s", "a.s", "ab.s", "b.s", "C.s"}));
}

// "_" and the other signs between the capitals and the small letters of ASCII come before every
// letter, on every system.
TEST(SortNames, SignsBeforeLettersWhateverTheirCase)
{
    Paths names{"caba.s", "CABZ.s", "cab_a.s", "Cab.s", "cab^.s"};
    sortNames(names);
    EXPECT_EQ(names, (Paths{"Cab.s", "cab^.s", "cab_a.s", "caba.s", "CABZ.s"}));
}

} // namespace
