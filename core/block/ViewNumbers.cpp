#include "core/block/ViewNumbers.h"

#include "core/block/NumberText.h"
#include "core/reader/ReadNumber.h"

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

// A value rounded to a 1/scale of a unit, with a decimal comma.
std::string writeRoundedTo(double value, double scale)
{
    // Past fifteen digits there are no decimals left to round, and value * scale could overflow.
    if (std::fabs(value) >= 1e15) {
        return writeNumber(value);
    }
    return writeNumber(std::round(value * scale) / scale);
}

std::string withPoint(std::string text)
{
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

} // namespace

std::optional<double> readPointDecimal(std::string_view text)
{
    const std::optional<std::string> dimension = asDimension(text);
    return dimension ? readDimension(*dimension) : std::nullopt;
}

bool isPointDecimalText(std::string_view text)
{
    const std::optional<std::string> dimension = asDimension(text);
    return dimension && isDimensionText(*dimension);
}

bool isWholeDegreesText(std::string_view text)
{
    const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
    return !digits.empty() &&
           std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isTooLargeForSimulator(std::string_view text)
{
    return isPointDecimalText(text) &&
           readNumber(text, NumberUnits::None).warning == NumberWarning::TooLarge;
}

std::optional<double> readWholeDegrees(std::string_view text)
{
    return isWholeDegreesText(text) ? readDimension(text) : std::nullopt;
}

std::string writeRounded(double value)
{
    return writeRoundedTo(value, 100);
}

std::string writeRoundedPoint(double value)
{
    return withPoint(writeRounded(value));
}

std::string writeHeadCoordinate(double value)
{
    return withPoint(writeRoundedTo(value, 1000));
}

} // namespace orbanil
