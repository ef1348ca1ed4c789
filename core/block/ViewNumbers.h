#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orbanil {

// Reads a head position as typed: optional leading "-", digits, at most one decimal point,
// at least one digit ("5." and ".5" read; "-", "1.2.3", "5-" and "" do not).
std::optional<double> readPointDecimal(std::string_view text);

// Whether a text is of the grammar of readPointDecimal, or of readWholeDegrees, whatever its
// magnitude.
bool isPointDecimalText(std::string_view text);
bool isWholeDegreesText(std::string_view text);

// Whether a number as typed, of readPointDecimal's grammar, is too large for the simulator,
// which keeps its numbers in single precision, however far beyond the range of a double.
bool isTooLargeForSimulator(std::string_view text);

// Reads a rotation limit or start direction: whole degrees, digits with an optional leading "-"
// (which only the pitch's field takes), at least one digit.
std::optional<double> readWholeDegrees(std::string_view text);

// Writes an amount for people: rounded to two decimals, decimal comma ("0,35", "1", "12,5").
std::string writeRounded(double value);
// The same with a decimal point, as a head position is typed ("-0.35", "1", "12.5").
std::string writeRoundedPoint(double value);

// Writes a head coordinate as its field takes it: rounded to millimetres, with a decimal point
// ("-1.25", "0.005", "3").
std::string writeHeadCoordinate(double value);

} // namespace orbanil
