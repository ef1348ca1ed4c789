#include "core/block/NumberText.h"

#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <locale>
#include <string>

namespace orbanil {
namespace {

struct Written
{
    double value;
    const char* text;
};

const Written writtenCases[] = {
    {1.25, "1,25"},
    {0.25, "0,25"},
    {1.5, "1,5"},
    {2, "2"},
    {-1.45, "-1,45"},
    {6.25, "6,25"},
    {1.4499999999999999556, "1,45"}, // the double nearest 2.9, halved
    {2.9 / 2, "1,45"},
    {0.1 + 0.2, "0,3"},
    {1.0 / 3, "0,333333333333333"},
    {2.0 / 3, "0,666666666666667"},
    {0.0, "0"},
    {-0.0, "0"},
    {10, "10"},
    {1234567.5, "1234567,5"}, // no digit grouping
    {999999999999999.9, "1000000000000000"},
    {123456789012345678.0, "123456789012346000"},
    // Where an exponent would appear, plain digits are written instead: the dialog cannot
    // take an exponent back, and these readings stay exact to 15 digits.
    {1e15, "1000000000000000"},
    {1e20, "100000000000000000000"},
    {-2.5e21, "-2500000000000000000000"},
    {0.0001, "0,0001"},
    {1e-5, "0,00001"},
    {-1.5e-7, "-0,00000015"},
    {0.000999999999999999999, "0,001"},
};

TEST(WriteNumber, CommaFifteenDigitsNoExponent)
{
    for (const Written& c : writtenCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(writeNumber(c.value), c.text);
    }
}

TEST(WriteNumber, ExtremeMagnitudesStayPlainAndReadBack)
{
    const double extremes[] = {std::numeric_limits<double>::min(),
                               std::numeric_limits<double>::denorm_min(), 1e-300, -3e300,
                               1.79769313486231e308};
    for (const double x : extremes) {
        SCOPED_TRACE(x);
        const std::string text = writeNumber(x);
        EXPECT_EQ(text.find_first_not_of("-0123456789,"), std::string::npos) << text;
        const std::optional<double> back = readDimension(text);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_EQ(writeNumber(*back), text);
    }
    // The largest double rounds up to 15 digits past the range, so that one text does not read.
    const std::string max = writeNumber(std::numeric_limits<double>::max());
    EXPECT_EQ(max, "179769313486232" + std::string(294, '0'));
    EXPECT_FALSE(readDimension(max).has_value());
    EXPECT_EQ(writeNumber(std::numeric_limits<double>::denorm_min()),
              "0," + std::string(323, '0') + "494065645841247");
}

struct Read
{
    const char* text;
    double value;
};

const Read readCases[] = {
    {"2,5", 2.5},
    {"12", 12},
    {"-3", -3},
    {"0,75", 0.75},
    {"5,", 5},
    {",5", 0.5},
    {"-,5", -0.5},
    {"-5,", -5},
    {"02,50", 2.5},
    {"0000", 0},
    {"12,5", 12.5},
    {"2,9", 2.9},
    {"0,1000000000000000055511151231257827", 0.1},
};

TEST(ReadDimension, AdmittedForms)
{
    for (const Read& c : readCases) {
        SCOPED_TRACE(c.text);
        const std::optional<double> v = readDimension(c.text);
        ASSERT_TRUE(v.has_value());
        EXPECT_EQ(*v, c.value);
    }
    EXPECT_EQ(readDimension("1" + std::string(308, '0')), 1e308);
    EXPECT_TRUE(std::signbit(readDimension("-0").value()));
}

TEST(ReadDimension, RefusedForms)
{
    const std::string refused[] = {
        "",
        "-",
        ",",
        "-,",
        "1,2,3",
        "1-2",
        "5-",
        "--5",
        "+5",
        " 5",
        "5 ",
        "5\t",
        "2.5",
        "2,5.0",
        "1e5",
        "1E5",
        "inf",
        "-inf",
        "nan",
        "infinity",
        "0x10",
        "٣",
        "５",
        "5\n",
        "a",
        std::string("5\0", 2),
        "1" + std::string(309, '0'),        // beyond the largest double
        "-1" + std::string(309, '0'),       //
        "0," + std::string(400, '0') + "1", // below the smallest double
    };
    for (const std::string& text : refused) {
        SCOPED_TRACE(text.substr(0, 20));
        EXPECT_FALSE(readDimension(text).has_value());
    }
}

// A process running in a German locale (comma decimals, full-stop grouping) must give the
// same results: the conversions are locale independent.
TEST(NumberText, SameResultsUnderAGermanLocale)
{
#ifdef _WIN32
    // The C runtime's name for it; MinGW's C++ library knows no locale but "C".
    if (!std::setlocale(LC_ALL, "German_Germany.1252")) {
        GTEST_SKIP() << "the German locale is not available";
    }
    const std::locale previous; // setting a named C++ locale would set the C one back
#else
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
        GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    }
    const std::locale previous = std::locale::global(std::locale("de_DE.UTF-8"));
#endif
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    for (const Written& c : writtenCases) {
        EXPECT_EQ(writeNumber(c.value), c.text);
    }
    for (const Read& c : readCases) {
        EXPECT_EQ(readDimension(c.text), c.value) << c.text;
    }
    EXPECT_FALSE(readDimension("2.5").has_value());
    EXPECT_FALSE(readDimension("1.000").has_value());
    std::locale::global(previous);
    std::setlocale(LC_ALL, "C");
}

} // namespace
} // namespace orbanil
