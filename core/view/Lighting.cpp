#include "core/view/Lighting.h"

#include <cmath>

namespace orbanil {

namespace {

float lerp(float from, float to, float t)
{
    return from + (to - from) * t;
}

// SetMatrix's modifiers: 1 while the sun is above startNightTrans, falling to the night's
// brightness as it sinks to finishNightTrans; a night texture keeps them at full brightness.
struct NightModifiers
{
    float night = 1;
    float halfNight = 1;
};

NightModifiers nightModifiers(const CabinLight& light, bool nightTexture)
{
    const float full = dayAmbientLight / 20;
    if (nightTexture) {
        return {full, full};
    }
    const float sunHeight = static_cast<float>(towardSun(light).y);
    const float effect = std::clamp(
        (sunHeight - finishNightTrans) / (startNightTrans - finishNightTrans), 0.0f, 1.0f);
    return {lerp(nightBrightness, full, effect), lerp(halfNightBrightness, full, effect)};
}

} // namespace

Brightness brightnessOf(Shading shading, const CabinLight& light, bool nightTexture)
{
    const NightModifiers night = nightModifiers(light, nightTexture);
    const float diffuse = shading.diffuse ? 1.0f : 0.0f;
    switch (shading.technique) {
    case Technique::Image:
        return {night.night, shadowBrightness, diffuse, nightTexture ? 1.0f : 0.0f};
    case Technique::DarkShade:
        return {night.night, shadowBrightness};
    case Technique::HalfBright:
        return {night.halfNight, halfShadowBrightness};
    case Technique::FullBright:
        return {};
    case Technique::Vegetation:
        // VegetationAmbientModifier: from ShadowBrightness, up by the diffuse option.
        return {night.night,
                nightTexture ? night.night : lerp(shadowBrightness, fullBrightness, diffuse)};
    }
    return {};
}

float halfLambert(Vec3 normal, const Vec3d& towardSun)
{
    const Vec3d n = vectorCast<double>(normal);
    const double magnitude = length(n);
    if (!(magnitude > 1e-12) || !std::isfinite(magnitude)) {
        return 0;
    }
    return static_cast<float>(dot(n, towardSun) / magnitude * halfLambertScale + halfLambertOffset);
}

} // namespace orbanil
