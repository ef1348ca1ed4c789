#include "core/view/HeadInCabin.h"

#include "core/space/Vector.h"
#include "core/text/Wording.h"
#include "core/view/PassengerCamera.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace orbanil {

namespace {

// The point of triangle abc nearest to p, found by the region of the triangle's plane that p
// falls in: a corner, an edge or the inside.
Vec3d nearestOnTriangle(Vec3d p, Vec3d a, Vec3d b, Vec3d c)
{
    const Vec3d ab = b - a;
    const Vec3d ac = c - a;
    const Vec3d ap = p - a;
    const double d1 = dot(ab, ap);
    const double d2 = dot(ac, ap);
    if (d1 <= 0 && d2 <= 0) {
        return a;
    }
    const Vec3d bp = p - b;
    const double d3 = dot(ab, bp);
    const double d4 = dot(ac, bp);
    if (d3 >= 0 && d4 <= d3) {
        return b;
    }
    const double vc = d1 * d4 - d3 * d2;
    if (vc <= 0 && d1 >= 0 && d3 <= 0) {
        return a + ab * (d1 / (d1 - d3));
    }
    const Vec3d cp = p - c;
    const double d5 = dot(ab, cp);
    const double d6 = dot(ac, cp);
    if (d6 >= 0 && d5 <= d6) {
        return c;
    }
    const double vb = d5 * d2 - d1 * d6;
    if (vb <= 0 && d2 >= 0 && d6 <= 0) {
        return a + ac * (d2 / (d2 - d6));
    }
    const double va = d3 * d6 - d5 * d4;
    if (va <= 0 && d4 - d3 >= 0 && d5 - d6 >= 0) {
        return b + (c - b) * ((d4 - d3) / ((d4 - d3) + (d5 - d6)));
    }
    const double sum = va + vb + vc;
    // A triangle with no area: its corners are the nearest candidates left.
    if (!(sum > 0)) {
        const double da = dot(ap, ap);
        const double db = dot(bp, bp);
        const double dc = dot(cp, cp);
        return da <= db && da <= dc ? a : db <= dc ? b : c;
    }
    return a + ab * (vb / sum) + ac * (vc / sum);
}

struct AxisWords
{
    const char* beyondHigh;
    const char* beyondLow;
};

constexpr std::array<AxisWords, 3> axisWords{{
    {"a la derecha del lateral derecho", "a la izquierda del lateral izquierdo"},
    {"por encima del techo", "por debajo del suelo"},
    {"por delante de la parte delantera", "por detrás de la parte trasera"},
}};

std::string outsideLine(const CabinShape& shape, Vec3 head)
{
    const std::array<float, 3> at{head.x, head.y, head.z};
    const std::array<float, 3> low{shape.boundsMin.x, shape.boundsMin.y, shape.boundsMin.z};
    const std::array<float, 3> high{shape.boundsMax.x, shape.boundsMax.y, shape.boundsMax.z};
    std::vector<std::string> beyond;
    for (std::size_t axis = 0; axis < at.size(); ++axis) {
        if (at[axis] > high[axis]) {
            beyond.push_back(distanceText(static_cast<double>(at[axis]) - high[axis]) + " " +
                             axisWords[axis].beyondHigh);
        } else if (at[axis] < low[axis]) {
            beyond.push_back(distanceText(static_cast<double>(low[axis]) - at[axis]) + " " +
                             axisWords[axis].beyondLow);
        }
    }
    return beyond.empty() ? std::string()
                          : "La cabeza está " + joinedWithY(beyond) + " de la cabina.";
}

} // namespace

std::string headInCabinLine(const CabinShape& shape, Vec3 head)
{
    if (shape.triangles.empty()) {
        return {};
    }
    if (std::string outside = outsideLine(shape, head); !outside.empty()) {
        return outside;
    }
    const Vec3d p = vectorCast<double>(head);
    double nearest = std::numeric_limits<double>::infinity();
    const CabinTriangle* surface = nullptr;
    for (const CabinTriangle& triangle : shape.triangles) {
        const Vec3d q = nearestOnTriangle(p, vectorCast<double>(triangle.corners[0].position),
                                          vectorCast<double>(triangle.corners[1].position),
                                          vectorCast<double>(triangle.corners[2].position));
        const double distance = length(p - q);
        if (distance < nearest) {
            nearest = distance;
            surface = &triangle;
        }
    }
    if (!surface || !(nearest < nearPlane)) {
        return {};
    }
    const bool named =
        surface->texture >= 0 && static_cast<std::size_t>(surface->texture) < shape.textures.size();
    return "La cabeza está a " + distanceText(nearest) + " de una superficie" +
           (named ? " con la textura " + shape.textures[static_cast<std::size_t>(surface->texture)]
                  : std::string()) +
           ", más cerca que el plano de corte de la cámara (" + distanceText(nearPlane) +
           "): esa superficie no se ve.";
}

} // namespace orbanil
