#pragma once

#include "core/openrails/OpenRailsConstants.h"
#include "core/space/Vector.h"
#include "core/view/CabinLight.h"
#include "core/view/Shading.h"

namespace orbanil {

// How bright a material's texels are drawn, as the simulator's pixel shaders light them without
// its specular, overcast, fog, headlights and shadows: at a pixel whose half-Lambert term is w,
//   modifier × lerp(floor, FullBrightness, saturate(diffuse × w × saturate(5w − 2) + lift)).
// Only Image with diffuse light varies across a surface; the other techniques keep diffuse and
// lift at 0, which leaves modifier × floor.
struct Brightness
{
    float modifier = 1; // the night's darkening
    float floor = fullBrightness;
    float diffuse = 0;
    float lift = 0; // 1 with a night texture at night: fully lit
    bool operator==(const Brightness&) const = default;

    bool varies() const { return diffuse != 0 && lift < 1; }

    float at(float w) const
    {
        const float ramp = saturate(w * shadowRampScale - shadowRampOffset);
        const float lit = saturate(diffuse * w * ramp + lift);
        return modifier * (floor + (fullBrightness - floor) * lit);
    }

    // HLSL's saturate, 0 for what is not a number, written so that a loop of it vectorizes.
    static float saturate(float x) { return x > 0 ? (x < 1 ? x : 1) : 0; }
};

// The brightness of a material drawn in that light, with a night texture or not.
Brightness brightnessOf(Shading shading, const CabinLight& light, bool nightTexture);

// A corner's half-Lambert term toward the sun: N·L × 0.5 + 0.5 of its unit normal. A normal of
// no length (or not a number) gives 0, as a GPU's normalize of it saturates.
float halfLambert(Vec3 normal, const Vec3d& towardSun);

} // namespace orbanil
