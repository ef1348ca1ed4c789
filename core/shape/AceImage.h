#pragma once

#include "core/shape/CabinTexture.h"

#include <string_view>

namespace orbanil {

// The contents of a .ace file as they follow the SIMIS header (inflated when compressed): an
// int32 1, options (bit 0 mip maps, bit 4 raw data), width, height, surface format, channel
// count, 128 bytes, the channel table, then scanlines of one plane per channel or, for raw
// data, a level table and each level's length and data (565, 5551, 4444, DXT1, DXT3, DXT5).
// The texture holds every level stored, in 8-bit RGBA: with mip maps, down to 1 × 1, raw data
// storing none under 4 pixels, which take the first bytes of the last level stored; and the
// bits of alpha the channel table names (8 for an alpha channel, 1 for a mask, 0 for neither).
// Throws FormatError.
CabinTexture readAceContents(std::string_view contents);

} // namespace orbanil
