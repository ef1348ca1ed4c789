#include "core/ViewNumbers.h"

#include "core/NumberText.h"

#include <algorithm>
#include <cmath>

namespace orbanil {

namespace {

// The same grammar as a box dimension, with the point in place of the comma: the text as a
// dimension would hold it, or nothing when it holds a comma of its own.
std::optional<std::string> asDimension(std::string_view text)
{
    if (text.find(',') != std::string_view::npos) {
        return std::nullopt;
    }
    std::string withComma(text);
    std::replace(withComma.begin(), withComma.end(), '.', ',');
    return withComma;
}

} // namespace

std::optional<double> readPointDecimal(std::string_view text)
{
    const std::optional<std::string> dimension = asDimension(text);
    return dimension ? readDimension(*dimension) : std::nullopt;
}

bool isTooLargeForSimulator(std::string_view text)
{
    const std::optional<std::string> dimension = asDimension(text);
    return dimension && exceedsMagnitude(*dimension, simulatorLargest);
}

std::optional<double> readWholeDegrees(std::string_view text)
{
    const bool digitsOnly =
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digitsOnly) {
        return std::nullopt;
    }
    return readDimension(text);
}

std::string writeRounded(double value)
{
    // Past fifteen digits there are no decimals left to round, and value * 100 could overflow.
    if (std::fabs(value) >= 1e15) {
        return writeNumber(value);
    }
    return writeNumber(std::round(value * 100) / 100);
}

} // namespace orbanil
