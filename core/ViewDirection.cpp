#include "core/ViewDirection.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orbanil::sketch {

double normalDegrees(double degrees)
{
    const double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360 : d;
}

PixelPoint towards(PixelPoint from, double degrees, double length)
{
    const double radians = normalDegrees(degrees) * std::numbers::pi / 180;
    return PixelPoint{from.x + length * std::cos(radians), from.y - length * std::sin(radians)};
}

DirectionArrow arrowFrom(PixelPoint from, double degrees, double length)
{
    const PixelPoint tip = towards(from, degrees, length);
    const double barb = std::max(4.0, length / 3);
    return DirectionArrow{
        PixelLine{from, tip},
        {towards(tip, degrees + 180 - 25, barb), towards(tip, degrees + 180 + 25, barb)}};
}

std::optional<TurnWedge> wedgeAround(PixelPoint centre, double degrees, double limit, double radius)
{
    if (!(limit > 0)) {
        return std::nullopt;
    }
    return TurnWedge{centre, radius, normalDegrees(degrees - limit), std::min(2 * limit, 360.0)};
}

// The view starts turned to the right for a positive yaw: clockwise, seen from above.
std::optional<double> aboveDirection(std::optional<double> yaw, std::optional<double>)
{
    if (!yaw) {
        return std::nullopt;
    }
    return 90 - *yaw;
}

// The tilt is shown in the plane the view looks along, folded onto the side view: towards the
// front, or towards the back when the view starts looking back (sideways counts as front);
// down for a positive tilt.
std::optional<double> sideDirection(std::optional<double> yaw, std::optional<double> tilt)
{
    if (!yaw || !tilt) {
        return std::nullopt;
    }
    const double turned = normalDegrees(*yaw);
    return turned > 90 && turned < 270 ? 180 + *tilt : -*tilt;
}

} // namespace orbanil::sketch
