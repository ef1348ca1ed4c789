#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orbanil {

// How the program's sentences put lists and distances.

// A text as the messages quote what a file says: «text».
std::string quoted(std::string_view text);

// "A", "A y B", "A, B y C".
std::string joinedWithY(const std::vector<std::string>& parts);

// A distance in metres, rounded to centimetres with a decimal comma: "0,4 m"; "menos de
// 0,01 m" below that. A value longer than fifteen characters, the significant digits of a
// written number, is cut short with "…", so that a sentence holding it stays readable.
std::string distanceText(double metres);

} // namespace orbanil
