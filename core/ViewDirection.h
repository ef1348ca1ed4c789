#pragma once

#include "core/CameraViewSketch.h"

#include <optional>

// Where the view looks, as each view of the drawing shows it: screen angles in degrees
// counter-clockwise from pointing right, and the arrow and wedge drawn for them; not to scale.
namespace orbanil::sketch {

// An angle in [0, 360).
double normalDegrees(double degrees);

// The point `length` pixels from `from`, at `degrees` counter-clockwise from the right.
PixelPoint towards(PixelPoint from, double degrees, double length);

DirectionArrow arrowFrom(PixelPoint from, double degrees, double length);

// The range a limit lets the view turn through around `degrees`; none for a limit of 0: the
// view cannot turn, and the arrow shows all there is.
std::optional<TurnWedge> wedgeAround(PixelPoint centre, double degrees, double limit,
                                     double radius);

// The start direction seen from above.
std::optional<double> aboveDirection(std::optional<double> yaw, std::optional<double> tilt);

// The start direction seen from the side.
std::optional<double> sideDirection(std::optional<double> yaw, std::optional<double> tilt);

} // namespace orbanil::sketch
