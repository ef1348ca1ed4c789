#pragma once

#include "core/shape/CabinShape.h"
#include "core/sketch/CameraViewSketch.h"

#include <vector>

namespace orbanil {

// The cabin's triangles as the two views of the drawing show them: three corners a triangle, in
// the views' pixels. A triangle seen edge-on, which covers nothing, is left out, and so is every
// triangle of a view that draws no box.
struct ProjectedShape
{
    std::vector<PixelPoint> above;
    std::vector<PixelPoint> side;
};

ProjectedShape projectShape(const CabinShape& shape, const CameraViewSketch& sketch);

} // namespace orbanil
