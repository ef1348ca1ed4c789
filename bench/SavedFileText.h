#pragma once

#include "core/block/ViewParams.h"

#include <cstddef>
#include <string>

namespace orbanil::bench {

// A typical filled-in set of view values; `accented` puts Windows-1252 letters in the names.
ViewParams sampleViewParams(bool accented = false);

// Code text of whole generated blocks, CR LF between them, of at least `size` bytes.
std::string generatedCodeText(std::size_t size, bool accented = false);

// The bytes a save of generatedCodeText(size) writes: Windows-1252, one CR LF at the end.
std::string savedFileBytes(std::size_t size, bool accented = false);

} // namespace orbanil::bench
