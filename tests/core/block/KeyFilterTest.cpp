#include "core/block/KeyFilter.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace orbanil {
namespace {

constexpr auto A = KeyOutcome::Accept;
constexpr auto S = KeyOutcome::Swallow;
constexpr auto R = KeyOutcome::Reject;

struct KeyCase
{
    std::int16_t code;
    KeyOutcome signedDecimal;
    KeyOutcome digitsOnly;
    KeyOutcome signedDegrees;
    KeyOutcome boxDimension;
};

// Boundaries of each filter: around the digits, the three punctuation marks and the controls.
const KeyCase keyCases[] = {
    {8, A, A, A, A},      // backspace
    {13, S, S, S, S},     // Enter
    {44, R, R, R, A},     // ","
    {45, A, R, A, A},     // "-"
    {46, A, R, R, R},     // "."
    {47, R, R, R, R},     // "/"
    {48, A, A, A, A},     // "0"
    {57, A, A, A, A},     // "9"
    {58, R, R, R, R},     // ":"
    {127, R, R, R, R},    // delete
    {0, R, R, R, R},      // NUL
    {3, R, R, R, R},      // Ctrl+C
    {22, R, R, R, R},     // Ctrl+V
    {10, R, R, R, R},     // line feed
    {32, R, R, R, R},     // blank
    {65, R, R, R, R},     // "A"
    {-1, R, R, R, R},     // negative codes
    {-32768, R, R, R, R}, //
    {-211, R, R, R, R},   // a code whose low byte is "-"
    {304, R, R, R, R},    // 256 + "0": the code must not be cut to a byte
    {269, R, R, R, R},    // 256 + 13
    {std::numeric_limits<std::int16_t>::max(), R, R, R, R},
};

TEST(KeyFilter, BoundaryCodesForEveryFilter)
{
    for (const KeyCase& c : keyCases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(filterKey(FilterKind::SignedDecimal, c.code), c.signedDecimal);
        EXPECT_EQ(filterKey(FilterKind::DigitsOnly, c.code), c.digitsOnly);
        EXPECT_EQ(filterKey(FilterKind::SignedDegrees, c.code), c.signedDegrees);
        EXPECT_EQ(filterKey(FilterKind::BoxDimension, c.code), c.boxDimension);
    }
}

TEST(KeyFilter, OnlyTheDocumentedCodesPassAcrossTheWholeRange)
{
    struct Count
    {
        FilterKind kind;
        int accepted;
    };
    // Ten digits plus backspace, plus "-" and "." or "-" and ",", or "-" alone.
    for (const Count expected :
         {Count{FilterKind::SignedDecimal, 13}, Count{FilterKind::DigitsOnly, 11},
          Count{FilterKind::SignedDegrees, 12}, Count{FilterKind::BoxDimension, 13}}) {
        int accepted = 0;
        int swallowed = 0;
        for (int code = std::numeric_limits<std::int16_t>::min();
             code <= std::numeric_limits<std::int16_t>::max(); ++code) {
            const KeyOutcome outcome = filterKey(expected.kind, static_cast<std::int16_t>(code));
            accepted += outcome == KeyOutcome::Accept;
            swallowed += outcome == KeyOutcome::Swallow;
        }
        EXPECT_EQ(accepted, expected.accepted);
        EXPECT_EQ(swallowed, 1);
    }
}

TEST(KeyFilter, FreeTextTakesEveryCodeEnterAndControlsIncluded)
{
    for (int code = std::numeric_limits<std::int16_t>::min();
         code <= std::numeric_limits<std::int16_t>::max(); ++code) {
        ASSERT_EQ(filterKey(FilterKind::FreeText, static_cast<std::int16_t>(code)),
                  KeyOutcome::Accept)
            << code;
    }
}

// What a one-line field may hold, whichever way the text arrived (typed, pasted, dropped).
struct TextCase
{
    std::u16string_view text;
    bool signedDecimal;
    bool digitsOnly;
    bool signedDegrees;
    bool boxDimension;
    bool freeText;
};

const TextCase textCases[] = {
    {u"", true, true, true, true, true},
    {u"0123456789", true, true, true, true, true},
    {u"-1.5", true, false, false, false, true},
    {u"-10", true, false, true, true, true}, // a pitch's minus in front, and only there
    {u"-", true, false, true, true, true},
    {u"10-", true, false, false, true, true},
    {u"--1", true, false, false, true, true},
    {u"1.2.3--", true, false, false, false, true}, // the head's rule: characters, not numbers
    {u"-2,5", false, false, false, true, true},
    {u"abc,1", false, false, false, false, true},
    {u"my cab (1).s", false, false, false, false, true},
    {u"a\"b.sms", false, false, false, false, true},
    {u"\u00e1rbol\u20ac", false, false, false, false, true},
    {u"12\b", false, false, false, false, false}, // backspace: accepted as a key, never as text
    {u"1\r", false, false, false, false, false},  // Enter: swallowed as a key, never text either
    {u"1\n2", false, false, false, false, false},
    {u"a\tb", false, false, false, false, false},
    {u"a\x7f", false, false, false, false, false},
    {u"a\u0085", false, false, false, false, false}, // C1 next line
    {u"a\u00a0b", false, false, false, false, true}, // no-break space is text
    {u"\u0130", false, false, false, false, true},   // low byte "0": the code is not cut to a byte
};

TEST(AdmittedText, EveryCharacterPassesTheRuleAndNoneIsAControl)
{
    for (const TextCase& c : textCases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        EXPECT_EQ(isAdmittedText(FilterKind::SignedDecimal, c.text), c.signedDecimal);
        EXPECT_EQ(isAdmittedText(FilterKind::DigitsOnly, c.text), c.digitsOnly);
        EXPECT_EQ(isAdmittedText(FilterKind::SignedDegrees, c.text), c.signedDegrees);
        EXPECT_EQ(isAdmittedText(FilterKind::BoxDimension, c.text), c.boxDimension);
        EXPECT_EQ(isAdmittedText(FilterKind::FreeText, c.text), c.freeText);
    }
}

// A decimal separator of the other convention, typed or pasted, becomes the field's own where
// the field's rule then takes it; what is still refused stays as it was, and is refused.
TEST(AdmittedText, SeparatorsOfTheOtherConventionAreConverted)
{
    struct Case
    {
        FilterKind kind;
        std::u16string_view text;
        std::u16string_view held; // the text the field is given
        bool admitted;
    };
    const Case cases[] = {
        {FilterKind::SignedDecimal, u"2,1", u"2.1", true},
        {FilterKind::SignedDecimal, u"-0,5,", u"-0.5.", true},
        {FilterKind::SignedDecimal, u"2.1", u"2.1", true},
        {FilterKind::SignedDecimal, u"a,1", u"a.1", false},
        {FilterKind::BoxDimension, u"2.9", u"2,9", true},
        {FilterKind::BoxDimension, u"-12.5", u"-12,5", true},
        {FilterKind::BoxDimension, u"2,9", u"2,9", true},
        {FilterKind::DigitsOnly, u"1,5", u"1,5", false},
        {FilterKind::DigitsOnly, u"1.5", u"1.5", false},
        {FilterKind::FreeText, u"a,b.s", u"a,b.s", true},
        {FilterKind::FreeText, u"\u201a\u2024", u"\u201a\u2024", true}, // look-alikes stay
        {FilterKind::SignedDecimal, u"\u012c", u"\u012c", false},       // low byte ",": not cut
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        const std::u16string held = convertSeparators(c.kind, c.text);
        EXPECT_EQ(held, c.held);
        EXPECT_EQ(isAdmittedText(c.kind, held), c.admitted);
    }
}

TEST(AdmittedText, LineEndJustBeforeTheCaret)
{
    struct Case
    {
        std::u16string_view text;
        std::size_t caret;
        std::size_t length;
    };
    const Case cases[] = {
        {u"a.s\r\n", 5, 2}, {u"a.s\n", 4, 1},    {u"a.s\r", 4, 1},    {u"a.s\n\r", 5, 1},
        {u"\n", 1, 1},      {u"a.s\r\nx", 6, 0}, {u"a.s\r\nx", 5, 2}, {u"a\r\n", 2, 1},
        {u"a.s", 3, 0},     {u"", 0, 0},         {u"\r\n", 0, 0},     {u"\r\n", 9, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caret);
        EXPECT_EQ(lineEndBefore(c.text, c.caret), c.length);
    }
}

} // namespace
} // namespace orbanil
