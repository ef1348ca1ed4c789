#include "core/sketch/ShapeProjection.h"

#include <array>
#include <cmath>
#include <optional>

namespace orbanil {

namespace {

// Less than a thousandth of a pixel: nothing a fill would draw.
constexpr double edgeOn = 1e-3;

// Both views run along Z; `up` is the view's other axis.
std::vector<PixelPoint> projected(const CabinShape& shape, const std::optional<PlotMapping>& map,
                                  float Vec3::*up)
{
    std::vector<PixelPoint> corners;
    if (!map) {
        return corners;
    }
    corners.reserve(shape.triangles.size() * 3);
    for (const CabinTriangle& triangle : shape.triangles) {
        std::array<PixelPoint, 3> p;
        for (std::size_t i = 0; i < p.size(); ++i) {
            const Vec3& at = triangle.corners[i].position;
            p[i] = map->at(at.z, at.*up);
        }
        const double twiceArea =
            (p[1].x - p[0].x) * (p[2].y - p[0].y) - (p[2].x - p[0].x) * (p[1].y - p[0].y);
        if (std::fabs(twiceArea) >= 2 * edgeOn) {
            corners.insert(corners.end(), p.begin(), p.end());
        }
    }
    return corners;
}

} // namespace

ProjectedShape projectShape(const CabinShape& shape, const CameraViewSketch& sketch)
{
    return ProjectedShape{projected(shape, sketch.above.mapping, &Vec3::x),
                          projected(shape, sketch.side.mapping, &Vec3::y)};
}

} // namespace orbanil
