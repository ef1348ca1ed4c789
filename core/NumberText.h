#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orbanil {

// Reads a box dimension: optional leading "-", digits, at most one decimal comma,
// at least one digit ("5," and ",5" read). Values beyond the range of a double do not.
// Never depends on the process locale.
std::optional<double> readDimension(std::string_view text);

// Whether a text of readDimension's grammar stands for a magnitude above `limit`, however far
// beyond the range of a double.
bool exceedsMagnitude(std::string_view text, double limit);

// Writes a number with a decimal comma: at most 15 significant digits, no trailing
// zeros, "0," below one, "-" for negatives, minus zero as "0", never an exponent
// (1e20 is "100000000000000000000"), so a result reads back, but for magnitudes that
// round at 15 digits past the largest double (1.7976931348623157e308 and near).
std::string writeNumber(double value);

} // namespace orbanil
