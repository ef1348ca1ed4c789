#pragma once

#include "core/space/Vector.h"

#include <array>
#include <cstdint>

namespace orbanil {

// The light the cabin is seen in: by day the sun stands where its height and side put it,
// relative to the car; by night it is below the horizon and the night textures are drawn.
struct CabinLight
{
    bool night = false;
    double sunElevation = 45; // degrees above the horizon, by day
    double sunAzimuth = 45;   // degrees from the car's front, positive to its right, by day
    bool operator==(const CabinLight&) const = default;
};

// By night the sun stands this far below the horizon, degrees, on the side it has by day: past
// the simulator's twilight, so that the night is a full one.
inline constexpr double nightSunElevation = -30;

// The unit vector toward the sun in the shape's space; a height or side that is not a number
// counts as the default's.
Vec3d towardSun(const CabinLight& light);

using Rgb = std::array<std::uint8_t, 3>;

// What shows through the windows, where the interior has no surface: the outside is not drawn,
// so a plain sky by day and a sky nearly black by night.
inline constexpr Rgb daySky{176, 196, 222};
inline constexpr Rgb nightSky{10, 12, 22};

Rgb skyColour(const CabinLight& light);

} // namespace orbanil
