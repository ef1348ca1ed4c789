#pragma once

#include "core/shape/CabinTexture.h"

#include <string_view>

namespace orbanil {

// A whole .dds file as the simulator reads it: "DDS ", the 124-byte header, then each level's
// texels, largest first. It reads DXT1 to DXT5 (DXT2 as DXT3, DXT4 as DXT5), 32 bits with or
// without alpha in either channel order, 24 bits and the 16-bit 565, 1555 and 4444, each known
// by its exact pixel format flags, bit count and masks. It keeps every level of a full chain
// (the header counts at least as many levels as halve the longer side to 1), else the largest
// alone; a lower level past the end of the file keeps the bytes of the one before. Alpha bits by
// format, as the simulator counts them: 1 for DXT1 and 1555, 4 for DXT3, DXT5 and 4444, 8 for 32
// and 24 bits, 0 for 565. Throws FormatError.
CabinTexture readDdsFile(std::string_view file);

} // namespace orbanil
