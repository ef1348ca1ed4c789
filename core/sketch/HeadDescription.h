#pragma once

#include "core/sketch/CameraViewSketch.h"
#include "core/sketch/PlotGeometry.h"

#include <array>
#include <optional>
#include <string>

// What the drawing's tooltip and screen readers say: where each head is against the box.
namespace orbanil::sketch {

// One head alone: how far outside the box it is on each axis and which coordinates are not
// numbers or too large ones, else that it is inside. Several: one line each, naming it, in the
// order of the list. Then whether the box is usable. The axes are X, Y and Z.
std::string describeHeads(const CameraViewNumbers& numbers,
                          const std::array<std::optional<Axis>, 3>& axes);

} // namespace orbanil::sketch
