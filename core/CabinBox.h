#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orbanil {

// The message shown when leaving the box dialog; empty when a text does not read as a number.
std::optional<std::string> boxSummary(std::string_view L, std::string_view H, std::string_view W);

// One range line of the main window, e.g. "Ancho: 2,5 m Limites: -1,25 m / 1,25 m".
std::optional<std::string> rangeLine(std::string_view axisWord, std::string_view D);

} // namespace orbanil
