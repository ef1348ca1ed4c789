#pragma once

#include <string_view>

namespace orbanil {

// The ESD_Alternative_Texture flags of a shape's descriptor (the .sd file beside it, the
// shape's path and "d"), read from its text after the SIMIS header as the simulator's reader
// takes it: the entry inside the first shape block, the later one when it stands twice; 0
// when there is none or it is not a whole number. Which texture folders the shape has besides
// its own: a season's (bits 0x1–0x80) or Night (0x100).
int alternativeTextureFlags(std::string_view utf8Text);

// The flag that gives the shape night textures.
inline constexpr int nightTextureFlag = 0x100;

} // namespace orbanil
