#pragma once

#include "core/shape/CabinGeometry.h"
#include "core/shape/CabinShape.h"

#include <vector>

namespace orbanil {

// How the simulator draws a triangle that asks this, given the bits of alpha its texture has
// (0 none or no texture, 1 a mask, 8 an alpha channel): a blending shader blends over more than
// one bit, and over one bit when no alpha test was asked, by adding when it is AddATex or
// AddATexDiff; otherwise the alpha test applies if asked.
AlphaMode alphaMode(AlphaRequest request, int textureAlphaBits);

// The cabin as drawn, once the alpha bits of geometry.textures' images are known, in their
// order (0 for one that could not be read).
CabinShape cabinShape(CabinGeometry geometry, const std::vector<int>& textureAlphaBits);

} // namespace orbanil
