#include "core/view/CabinDistances.h"

#include "core/text/Wording.h"

#include <cmath>

namespace orbanil {

std::optional<double> surfaceDistance(const CabinShape& shape, Vec3d from, Vec3d direction)
{
    std::optional<double> nearest;
    for (const CabinTriangle& triangle : shape.triangles) {
        // Where the line crosses the triangle's plane, in the triangle's own coordinates u, v.
        const Vec3d a = vectorCast<double>(triangle.corners[0].position);
        const Vec3d ab = vectorCast<double>(triangle.corners[1].position) - a;
        const Vec3d ac = vectorCast<double>(triangle.corners[2].position) - a;
        const Vec3d p = cross(direction, ac);
        const double determinant = dot(ab, p);
        // Edge on, the line passes beside the triangle or along it: no crossing to count.
        if (determinant == 0 || !std::isfinite(determinant)) {
            continue;
        }
        const Vec3d s = from - a;
        const double u = dot(s, p) / determinant;
        const Vec3d q = cross(s, ab);
        const double v = dot(direction, q) / determinant;
        const double distance = dot(ac, q) / determinant;
        if (u >= 0 && v >= 0 && u + v <= 1 && distance >= 0 && (!nearest || distance < *nearest)) {
            nearest = distance;
        }
    }
    return nearest;
}

std::string distancesLine(const CabinShape& shape, const PassengerCamera& camera)
{
    const Vec3d eye = vectorCast<double>(camera.eye);
    const std::optional<double> below = surfaceDistance(shape, eye, {0, -1, 0});
    const std::optional<double> ahead = surfaceDistance(shape, eye, cameraAxes(camera).forward);
    return (below ? "Ojos a " + distanceText(*below) + " del suelo."
                  : std::string("Ninguna superficie debajo de los ojos.")) +
           (ahead ? " Superficie de enfrente a " + distanceText(*ahead) + "."
                  : std::string(" Ninguna superficie enfrente."));
}

} // namespace orbanil
