#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orbanil {

// Reads a box dimension: optional leading "-", digits, at most one decimal comma,
// at least one digit ("5," and ",5" read). Values beyond the range of a double do not.
// Never depends on the process locale.
std::optional<double> readDimension(std::string_view text);

// Whether a text is of readDimension's grammar, whatever its magnitude.
bool isDimensionText(std::string_view text);

// Writes a number with a decimal comma: at most 15 significant digits, no trailing
// zeros, "0," below one, "-" for negatives, minus zero as "0", never an exponent
// (1e20 is "100000000000000000000"), so a result reads back, but for magnitudes that
// round at 15 digits past the largest double (1.7976931348623157e308 and near).
std::string writeNumber(double value);

// Writes a single-precision value as the simulator's files spell numbers: a decimal point, the
// fewest digits that read back as the same value, never an exponent ("2.46888", "270", "0").
std::string writeSingle(float value);

} // namespace orbanil
