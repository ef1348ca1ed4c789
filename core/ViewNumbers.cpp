#include "core/ViewNumbers.h"

#include "core/NumberText.h"

#include <algorithm>
#include <cmath>

namespace orbanil {

std::optional<double> readPointDecimal(std::string_view text)
{
    // The same grammar as a box dimension, with the point in place of the comma.
    if (text.find(',') != std::string_view::npos) {
        return std::nullopt;
    }
    std::string withComma(text);
    std::replace(withComma.begin(), withComma.end(), '.', ',');
    return readDimension(withComma);
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
