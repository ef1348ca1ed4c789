#pragma once

#include "core/shape/CabinShape.h"
#include "core/view/TypedCamera.h"

#include <string>

namespace orbanil {

// Where an unwritten head's eyes go: this high above the floor, a seated passenger's.
inline constexpr double assumedEyeHeight = 1.2;

// The head the view shows for the fields: as typed, and on an axis whose field is empty, the
// centre of the shape's bounds across and along, assumedEyeHeight above the first surface
// straight down from the centre's height (the bottom of the bounds where there is none). The
// fields must give a camera.
Vec3 shownHead(const CabinShape& shape, const TypedCamera& typed);

// What the view shows for the fields left empty, "Dirección de inicio sin escribir: se muestra
// 0 0 0."; empty when every one is written.
std::string assumedLine(const TypedCamera& typed);

} // namespace orbanil
