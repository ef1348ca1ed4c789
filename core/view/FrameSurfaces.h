#pragma once

#include "core/shape/CabinShape.h"
#include "core/shape/CabinTexture.h"
#include "core/view/CabinLight.h"
#include "core/view/TriangleDrawing.h"

#include <vector>

namespace orbanil {

// What one frame draws its triangles with: a surface for each material, texture and alpha mode
// they use, as Open Rails makes one material of prim_states alike.
struct FrameSurfaces
{
    std::vector<Surface> surfaces;
    std::vector<int> ofTriangle; // triangle i's surface
};

// A triangle's material is shape.materials[material], or CabinMaterial{} beyond that list; its
// texture is textures[texture], the missing texture (1 × 1 magenta) when there is none to
// sample.
FrameSurfaces frameSurfaces(const CabinShape& shape,
                            const std::vector<const CabinTexture*>& textures,
                            const CabinLight& light);

} // namespace orbanil
