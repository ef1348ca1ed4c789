#pragma once

#include "core/sketch/CameraViewSketch.h"

#include <optional>

// Where the view looks, as each view of the drawing shows it: the start direction projected onto
// the view's plane, or seen end-on where it points nearly out of that plane, and the range the
// view turns through; screen angles in degrees counter-clockwise from pointing right.
namespace orbanil::sketch {

enum class Plane
{
    Above, // Z (the front) to the right, X down; seen from above
    Side,  // Z (the front) to the right, Y up; seen from the wagon's right
};

struct ShownDirection
{
    double degrees = 0;       // on the screen, where not end-on
    bool endOn = false;       // more than 70° out of the plane
    bool outOfScreen = false; // end-on, towards whoever looks at the drawing
};

// The start direction of a yaw (StartDirection Y, positive turned right) and a tilt
// (StartDirection X, positive down) as `plane` shows it; nothing without both.
std::optional<ShownDirection> shownDirection(Plane plane, std::optional<double> yaw,
                                             std::optional<double> tilt);

// The range the view turns through around the start direction, projected as the direction is:
// the yaw limit from above, the tilt limit from the side. None for a limit of 0 (the arrow shows
// all there is) nor where the range projects onto a line; a full turn from 180 on.
std::optional<TurnWedge> turnWedge(Plane plane, PixelPoint centre, double yaw, double tilt,
                                   double limit, double radius);

// The point `length` pixels from `from`, at `degrees`.
PixelPoint towards(PixelPoint from, double degrees, double length);

DirectionArrow arrowFrom(PixelPoint from, double degrees, double length);

} // namespace orbanil::sketch
