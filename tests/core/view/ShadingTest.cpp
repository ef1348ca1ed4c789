#include "core/view/Lighting.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

// What a material's texels are drawn at: turned to the sun (w = 1) and away from it (w = 0)
// by day, turned to it with the sun on the horizon and by night, and by night with a night
// texture.
TEST(Shading, EachShaderAndLightMaterialIsDrawnAsOpenRailsLightsIt)
{
    struct Case
    {
        const char* shader;
        int lightMaterial;
        float lit, away, horizon, night, nightTexture;
    };
    constexpr float full = fullBrightness, shadow = shadowBrightness, half = halfShadowBrightness;
    constexpr float dusk = (nightBrightness + full) / 2,
                    halfDusk = (halfNightBrightness + full) / 2;
    const Case cases[] = {
        {"TexDiff", -5, full, shadow, dusk, nightBrightness, full},
        {"TexDiff", -6, full, shadow, dusk, nightBrightness, full},
        {"TexDiff", -7, full, shadow, dusk, nightBrightness, full},
        {"TexDiff", -8, full, full, full, full, full},
        {"TexDiff", -9, full, full, dusk, nightBrightness, full},
        {"TexDiff", -10, full, full, dusk, nightBrightness, full},
        {"TexDiff", -11, half, half, half * halfDusk, half * halfNightBrightness, half},
        {"TexDiff", -12, shadow, shadow, shadow * dusk, shadow * nightBrightness, shadow},
        {"TexDiff", -4, full, shadow, dusk, nightBrightness, full},
        {"TexDiff", -13, full, shadow, dusk, nightBrightness, full},
        {"Tex", -5, full, full, full, full, full},
        {"Tex", -11, full, full, full, full, full},
        {"Tex", -12, full, full, full, full, full},
        {"Tex", -9, shadow, shadow, shadow * dusk, shadow * nightBrightness, full},
        {"BlendATex", -12, full, full, full, full, full},
        {"AddATex", -5, full, full, full, full, full},
        {"BlendATexDiff", -5, full, shadow, dusk, nightBrightness, full},
        {"AddATexDiff", -11, half, half, half * halfDusk, half * halfNightBrightness, half},
        {"texdiff", -5, shadow, shadow, shadow * dusk, shadow * nightBrightness, full},
        {"Glass", -8, full, full, full, full, full},
    };
    const CabinLight day;
    CabinLight horizon;
    horizon.sunElevation = 0;
    const CabinLight night{true};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.shader << " " << c.lightMaterial);
        const Shading shading = shadingOf(c.shader, c.lightMaterial);
        EXPECT_FLOAT_EQ(brightnessOf(shading, day, false).at(1), c.lit);
        EXPECT_FLOAT_EQ(brightnessOf(shading, day, false).at(0), c.away);
        EXPECT_NEAR(brightnessOf(shading, horizon, false).at(1), c.horizon, 1e-6);
        EXPECT_FLOAT_EQ(brightnessOf(shading, night, false).at(1), c.night);
        EXPECT_FLOAT_EQ(brightnessOf(shading, night, true).at(0), c.nightTexture);
    }
}

// The half-Lambert term of a unit normal toward the sun, and of a normal with no direction.
TEST(Shading, ACornerFacingTheSunHasTheWholeHalfLambertTerm)
{
    const Vec3d sun = towardSun({});
    EXPECT_NEAR(halfLambert(vectorCast<float>(sun) * 3, sun), 1, 1e-6);
    EXPECT_NEAR(halfLambert(vectorCast<float>(sun) * -1, sun), 0, 1e-6);
    EXPECT_NEAR(halfLambert(vectorCast<float>(cross(sun, Vec3d{0, 0, 1})), sun), 0.5, 1e-6);
    EXPECT_EQ(halfLambert({}, sun), 0);
}

} // namespace
} // namespace orbanil
