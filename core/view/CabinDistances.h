#pragma once

#include "core/shape/CabinShape.h"
#include "core/view/PassengerCamera.h"

#include <optional>
#include <string>

namespace orbanil {

// How far from `from`, along the unit vector `direction`, the first triangle of the shape lies,
// either of its faces; nothing when the line meets none.
std::optional<double> surfaceDistance(const CabinShape& shape, Vec3d from, Vec3d direction);

// How high the eye is above the first surface straight down, and how far the first surface
// straight ahead is: "Ojos a 1,5 m del suelo. Superficie de enfrente a 1,38 m.".
std::string distancesLine(const CabinShape& shape, const PassengerCamera& camera);

} // namespace orbanil
