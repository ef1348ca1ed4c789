#pragma once

#include "core/shape/CabinShape.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace orbanil {

// The cabin box as the three texts typed in the box dialog, in metres; they are read as
// numbers (readBoxDimension) only where a half is needed, or where the camera view is drawn.
struct CabinBox
{
    std::string length; // along Z
    std::string height; // along Y
    std::string width;  // along X
    bool operator==(const CabinBox&) const = default;
};

// One field of the box dialog: the control that holds a text, the text, the words that
// open a sentence about it and the name a screen reader gives it.
struct BoxField
{
    const char* control;
    std::string CabinBox::*member;
    const char* subject;
    const char* spokenName;
};

// The three fields in the dialog's focus order.
inline constexpr std::array<BoxField, 3> boxFields{{
    {"txtLong", &CabinBox::length, "El largo", "Largo"},
    {"txtHeight", &CabinBox::height, "La altura", "Altura"},
    {"txtWidth", &CabinBox::width, "El ancho", "Ancho"},
}};

// True when all three texts are non-empty, whether or not they read as numbers.
bool isReady(const CabinBox& box);

// A dimension of the box: a number (readDimension) above zero, since a box of no size or of a
// negative one has no inside; nothing for any other text.
std::optional<double> readBoxDimension(std::string_view text);

// Why `typed` cannot be the dimension of `field`, in a sentence that names the field and says
// what to write instead; nothing when it is a dimension.
std::optional<std::string> dimensionProblem(const BoxField& field, std::string_view typed);

// The message shown when leaving the box dialog; empty when a text is not a dimension.
std::optional<std::string> boxSummary(std::string_view length, std::string_view height,
                                      std::string_view width);

// The smallest box, as the drawing places it (centred on the car's middle across and along, on
// the rail upward), that holds the shape: Largo and Ancho twice its farthest reach from the
// middle, Alto up to its highest point; written with a decimal comma, two places at most.
// Nothing for a shape without triangles, or one whose box would have a dimension of zero.
std::optional<CabinBox> boxAroundShape(const CabinShape& shape);

// One range line of the main window, e.g. "Ancho: 2,5 m Limites: -1,25 m / 1,25 m"; empty when
// the text is not a dimension.
std::optional<std::string> rangeLine(std::string_view axisWord, std::string_view dimension);

} // namespace orbanil
