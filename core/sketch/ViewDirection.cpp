#include "core/sketch/ViewDirection.h"

#include "core/space/Forward.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orbanil::sketch {

namespace {

constexpr double radiansPerDegree = std::numbers::pi / 180;

double normalDegrees(double degrees)
{
    const double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360 : d;
}

// The start direction as the camera takes it: X right, Y up, Z to the front.
Vec3d directionOf(double yaw, double tilt)
{
    // A full turn more draws the same, to the last bit.
    return forwardOf(normalDegrees(tilt) * radiansPerDegree, normalDegrees(yaw) * radiansPerDegree);
}

// The vector on the plane's screen (right, up), and its part towards whoever looks at it.
struct Projected
{
    double right, up, out;
};

Projected projected(Plane plane, const Vec3d& v)
{
    // From above the viewer stands over the box, its right side at the bottom; from the side, on
    // its right.
    return plane == Plane::Above ? Projected{v.z, -v.x, v.y} : Projected{v.z, v.y, v.x};
}

double screenDegrees(const Projected& p)
{
    return normalDegrees(std::atan2(p.up, p.right) / radiansPerDegree);
}

} // namespace

std::optional<ShownDirection> shownDirection(Plane plane, std::optional<double> yaw,
                                             std::optional<double> tilt)
{
    if (!yaw || !tilt) {
        return std::nullopt;
    }
    const Projected p = projected(plane, directionOf(*yaw, *tilt));
    // Out of the plane by more than 70°, an arrow would point where the view does not look.
    const double outOfPlane = std::cos(70 * radiansPerDegree);
    if (std::hypot(p.right, p.up) < outOfPlane) {
        return ShownDirection{0, true, p.out > 0};
    }
    return ShownDirection{screenDegrees(p), false, false};
}

std::optional<TurnWedge> turnWedge(Plane plane, PixelPoint centre, double yaw, double tilt,
                                   double limit, double radius)
{
    if (!(limit > 0)) {
        return std::nullopt;
    }
    const auto shown = [plane, yaw, tilt](double turned) {
        return plane == Plane::Above ? projected(plane, directionOf(yaw + turned, tilt))
                                     : projected(plane, directionOf(yaw, tilt + turned));
    };
    const double middle = screenDegrees(shown(0));
    if (limit >= 180) {
        return TurnWedge{centre, radius, normalDegrees(middle - 180), 360};
    }
    // The projection keeps the order of directions round the circle, but may reverse it.
    const double low = screenDegrees(shown(-limit));
    const double high = screenDegrees(shown(limit));
    const bool anticlockwise = normalDegrees(middle - low) <= normalDegrees(high - low);
    const double start = anticlockwise ? low : high;
    const double span = normalDegrees(anticlockwise ? high - low : low - high);
    if (span < 1) {
        return std::nullopt; // the range lies along one line through the head
    }
    return TurnWedge{centre, radius, start, span};
}

PixelPoint towards(PixelPoint from, double degrees, double length)
{
    const double radians = normalDegrees(degrees) * radiansPerDegree;
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

} // namespace orbanil::sketch
