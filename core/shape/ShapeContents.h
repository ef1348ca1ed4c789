#pragma once

#include "core/shape/CabinGeometry.h"

#include <string>
#include <string_view>

namespace orbanil {

// A shape's contents, as they follow the SIMIS header (inflated when compressed), read to the
// triangles they place: a 16-character subheader, "JINX0s1t______\r\n" before text (UTF-16LE
// when utf16, else ASCII) or "JINX0s1b______\r\n" before binary blocks. Throws FormatError.
CabinGeometry readShapeContents(std::string_view contents, bool utf16);

// A simulator text file's contents as UTF-8, decoded as the simulator decodes them: from
// UTF-16LE when utf16, else as ASCII, where a byte above 127 reads "?".
std::string simisText(std::string_view bytes, bool utf16);

} // namespace orbanil
