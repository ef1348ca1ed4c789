#pragma once

#include "core/shape/CabinGeometry.h"

#include <string_view>

namespace orbanil {

// A shape's contents, as they follow the SIMIS header (inflated when compressed), read to the
// triangles they place: a 16-character subheader, "JINX0s1t______\r\n" before text (UTF-16LE
// when utf16, else ASCII) or "JINX0s1b______\r\n" before binary blocks. Throws FormatError.
CabinGeometry readShapeContents(std::string_view contents, bool utf16);

} // namespace orbanil
