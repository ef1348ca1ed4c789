#pragma once

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

} // namespace orbanil
