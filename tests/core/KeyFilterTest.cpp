#include "core/KeyFilter.h"

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
    KeyOutcome boxDimension;
};

// Boundaries of each filter: around the digits, the three punctuation marks and the controls.
const KeyCase keyCases[] = {
    {8, A, A, A},      // backspace
    {13, S, S, S},     // Enter
    {44, R, R, A},     // ","
    {45, A, R, A},     // "-"
    {46, A, R, R},     // "."
    {47, R, R, R},     // "/"
    {48, A, A, A},     // "0"
    {57, A, A, A},     // "9"
    {58, R, R, R},     // ":"
    {127, R, R, R},    // delete
    {0, R, R, R},      // NUL
    {3, R, R, R},      // Ctrl+C
    {22, R, R, R},     // Ctrl+V
    {10, R, R, R},     // line feed
    {32, R, R, R},     // blank
    {65, R, R, R},     // "A"
    {-1, R, R, R},     // negative codes
    {-32768, R, R, R}, //
    {-211, R, R, R},   // a code whose low byte is "-"
    {304, R, R, R},    // 256 + "0": the code must not be cut to a byte
    {269, R, R, R},    // 256 + 13
    {std::numeric_limits<std::int16_t>::max(), R, R, R},
};

TEST(KeyFilter, BoundaryCodesForEveryFilter)
{
    for (const KeyCase& c : keyCases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(filterKey(FilterKind::SignedDecimal, c.code), c.signedDecimal);
        EXPECT_EQ(filterKey(FilterKind::DigitsOnly, c.code), c.digitsOnly);
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
    // Ten digits plus backspace, plus "-" and "." or "-" and ",".
    for (const Count expected :
         {Count{FilterKind::SignedDecimal, 13}, Count{FilterKind::DigitsOnly, 11},
          Count{FilterKind::BoxDimension, 13}}) {
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

} // namespace
} // namespace orbanil
