#pragma once

#include "core/ViewParams.h"

#include <string>

namespace orbanil {

// The seven-line Inside block, CR LF between lines and none after the closing ")".
std::string generateInside(const ViewParams& params);

} // namespace orbanil
