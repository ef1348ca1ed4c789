#include "core/view/CabinLight.h"

#include "core/space/Forward.h"

#include <cmath>
#include <numbers>

namespace orbanil {

Vec3d towardSun(const CabinLight& light)
{
    constexpr CabinLight standard;
    const auto radians = [](double degrees, double otherwise) {
        return (std::isfinite(degrees) ? degrees : otherwise) * std::numbers::pi / 180;
    };
    const double elevation = light.night ? nightSunElevation : light.sunElevation;
    // The sun is where a view turned up by its height and right by its side would look.
    return forwardOf(-radians(elevation, standard.sunElevation),
                     radians(light.sunAzimuth, standard.sunAzimuth));
}

Rgb skyColour(const CabinLight& light)
{
    return light.night ? nightSky : daySky;
}

} // namespace orbanil
