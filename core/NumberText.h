#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orbanil {

// Reads a box dimension: optional leading "-", digits, at most one decimal comma,
// at least one digit. Never depends on the process locale.
std::optional<double> readDimension(std::string_view text);

// Writes a number with a decimal comma: at most 15 significant digits, no trailing
// zeros, "0," below one, "-" for negatives, minus zero as "0".
std::string writeNumber(double value);

} // namespace orbanil
