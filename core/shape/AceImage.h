#pragma once

#include "core/shape/CabinShape.h"

#include <string_view>
#include <vector>

namespace orbanil {

// A texture as the simulator loads it: the levels its file stores in 8-bit RGBA, the largest
// first, and the bits of alpha its channel table names (8 for an alpha channel, 1 for a mask, 0
// for neither), which decide whether a blending shader blends.
struct AceTexture
{
    std::vector<RgbaImage> levels;
    int alphaBits = 0;
};

// The contents of a .ace file as they follow the SIMIS header (inflated when compressed): an
// int32 1, options (bit 0 mip maps, bit 4 raw data), width, height, surface format, channel
// count, 128 bytes, the channel table, then scanlines of one plane per channel or, for raw
// data, a level table and each level's length and data (565, 5551, 4444, DXT1, DXT3, DXT5).
// With mip maps, every level down to 1 × 1; raw data stores none under 4 pixels, which take the
// first bytes of the last level stored. Throws FormatError.
AceTexture readAceContents(std::string_view contents);

} // namespace orbanil
