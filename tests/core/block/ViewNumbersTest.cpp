#include "core/block/ViewNumbers.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

struct Reader
{
    std::optional<double> (*read)(std::string_view);
    std::vector<std::pair<const char*, double>> numbers;
    std::vector<const char*> notNumbers;
};

TEST(ViewNumbers, EachReaderTakesOnlyWhatItsFieldsMeanByANumber)
{
    const Reader readers[] = {
        {readPointDecimal,
         {{"0", 0}, {"2.3", 2.3}, {"-5.25", -5.25}, {"5.", 5}, {".5", 0.5}, {"-.5", -0.5}},
         {"", "-", ".", "-.", "1.2.3", "5-", "1-2", "--1", "2,3", " 1", "1 ", "+1", "1e3"}},
        {readWholeDegrees,
         {{"0", 0}, {"60", 60}, {"400", 400}, {"007", 7}, {"-10", -10}},
         {"", "-", "5-", "--5", "1.5", "1,5", " 1", "9a"}},
    };
    for (const Reader& reader : readers) {
        for (const auto& [text, value] : reader.numbers) {
            EXPECT_EQ(reader.read(text), value) << text;
        }
        for (const char* text : reader.notNumbers) {
            EXPECT_EQ(reader.read(text), std::nullopt) << '"' << text << '"';
        }
    }
}

TEST(WriteRounded, TwoDecimalsAtMostWithAComma)
{
    const std::pair<double, const char*> cases[] = {
        {6.6 - 6.25, "0,35"}, // 0.34999999999999964
        {0.1 + 0.2, "0,3"},
        {0.75, "0,75"},
        {1, "1"},
        {12.5, "12,5"},
        {2.999, "3"},
        {0.004, "0"},
        {0.006, "0,01"},
        {63.75, "63,75"},
        {-0.35, "-0,35"},
        {1234.567, "1234,57"},
        {1e20, "100000000000000000000"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(writeRounded(value), text) << value;
    }
}

TEST(WriteHeadCoordinate, MillimetresAtMostWithAPoint)
{
    const std::pair<double, const char*> cases[] = {
        {1.5f, "1.5"},
        {0.3f, "0.3"},
        {-0.0004, "0"},
        {0.0125, "0.013"},
        {-2.34567, "-2.346"},
        {12, "12"},
        {1e20, "100000000000000000000"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(writeHeadCoordinate(value), text) << value;
        EXPECT_TRUE(readPointDecimal(text)) << text;
    }
}

} // namespace
} // namespace orbanil
