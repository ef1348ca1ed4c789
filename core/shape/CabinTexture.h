#pragma once

#include "core/shape/CabinShape.h"

#include <vector>

namespace orbanil {

// A texture as the simulator samples it: the levels its file stores, the largest first, each
// half the one before; the simulator makes none, so a file with one level has only that.
struct CabinTexture
{
    std::vector<RgbaImage> levels;
    // The bits of alpha its file gives (0, 1, 2, 4 or 8), which decide whether a blending shader
    // blends.
    int alphaBits = 0;
    // A night texture drawn at night: Open Rails' ImageTextureIsNight, which lights it fully.
    bool night = false;
    bool operator==(const CabinTexture&) const = default;
};

} // namespace orbanil
