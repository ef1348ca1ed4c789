#pragma once

#include "core/space/Vector.h"

#include <cmath>

namespace orbanil {

// The unit vector a view looks along when turned by a pitch (positive looks down) and a heading
// (positive turns right), in radians, from looking to the front: the simulator's StartDirection.
inline Vec3d forwardOf(double pitch, double heading)
{
    const double cp = std::cos(pitch);
    return {cp * std::sin(heading), -std::sin(pitch), cp * std::cos(heading)};
}

} // namespace orbanil
