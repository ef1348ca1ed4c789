#pragma once

#include "core/shape/CabinShape.h"

#include <cstddef>
#include <vector>

namespace orbanil {

// A triangle of the blended pass, and whether it is drawn as the pass's first material.
struct BlendedDraw
{
    std::size_t triangle = 0;
    bool first = false;
    bool operator==(const BlendedDraw&) const = default;
};

// The blended pass as Open Rails orders it: the Blend and Add triangles sorted far to near by
// the distance from the eye to their matrix's origin, those within blendSortTie of each other
// in the shape's order. The pass draws a run of one material as one group, and its first group
// is drawn as the first material of a pass. surfaces[i] tells triangle i's material apart.
std::vector<BlendedDraw> blendedOrder(const CabinShape& shape, const std::vector<int>& surfaces,
                                      Vec3 eye);

} // namespace orbanil
