#pragma once

// Every number Open Rails fixes that Orbanil follows, in one place, each with the source file it
// was read in (openrails/openrails on GitHub) and the commit of that reading. None of these
// commits could be tied to a release tag; where two versions differ, the one followed is named.

#include "core/shape/CabinShape.h"

#include <array>
#include <cstdint>
#include <numbers>
#include <string_view>
#include <utility>

namespace orbanil {

// --- The passenger camera: Viewer3D/Cameras.cs @c5c9f3e7be759d53345a3db123c7b1675233fd1c ---

// InsideThreeDimCamera's near plane, metres: nearer surfaces are cut away.
inline constexpr double nearPlane = 0.1;
// The range the mouse wheel zooms the field of view through, degrees.
inline constexpr double minFieldOfView = 1;
inline constexpr double maxFieldOfView = 135;
// RotateByMouse turns this much a pixel, right button held.
inline constexpr double dragRadiansPerPixel = 0.01;
// VerticalClamper: turning by keys holds the pitch within this, just short of straight up or down.
inline constexpr double keyPitchLimit = std::numbers::pi / 2.1;
// The ViewingFOV setting's default, degrees (UserSettings.cs; not read at a known commit).
inline constexpr double defaultFieldOfView = 45;
// MoveCameraXYZ as HandleUserInput calls it: the keys move the head 1 m/s sideways, 0.25 m/s up
// and down and 2.5 m/s forward and back (X, Y, Z), along the car whichever way the view looks.
inline constexpr Vec3d headSpeed{1, 0.25, 2.5};
// CameraMoveFast (Shift) multiplies a speed by this, CameraMoveSlow (Ctrl) divides it.
inline constexpr double fastSlowFactor = 8;

// --- Materials: Viewer3D/Materials.cs @50fb53f838a9a2d0a58ce5a28e1af5906280aed1 ---

// SceneryMaterialOptions, the bits a material is drawn from.
namespace materialOption {
inline constexpr unsigned diffuse = 0x1;
inline constexpr unsigned alphaBlendingBlend = 0x4;
inline constexpr unsigned alphaBlendingAdd = 0x8;
inline constexpr unsigned alphaBlendingMask = 0xC;
inline constexpr unsigned shaderImage = 0x00;
inline constexpr unsigned shaderDarkShade = 0x10;
inline constexpr unsigned shaderHalfBright = 0x20;
inline constexpr unsigned shaderFullBright = 0x30;
inline constexpr unsigned shaderVegetation = 0x40;
inline constexpr unsigned shaderMask = 0x70;
inline constexpr unsigned specular25 = 0x80;
inline constexpr unsigned specular750 = 0x100;
} // namespace materialOption

// SceneryMaterial.SetState's reference alphas, out of 255: an alpha-tested texel is drawn from
// DefaultAlphaCutOff up; a blended material is drawn from 250 up when no material was set
// before it (solid texels, depth written), else from 10 up, blended.
inline constexpr int alphaTestReference = 200;
inline constexpr int blendOpaqueReference = 250;
inline constexpr int blendReference = 10;

// GetInternalMissingTexture: a 1 x 1 texture of Color.Magenta stands for any missing texture.
inline constexpr std::array<std::uint8_t, 4> missingTexel{255, 0, 255, 255};

// GetShadowTextureAddressMode: MipMapLODBias below this counts as this.
inline constexpr float minMipMapBias = -1;

// --- Draw order: Viewer3D/RenderFrame.cs @50fb53f838a9a2d0a58ce5a28e1af5906280aed1 ---

// RenderItem.Comparer: blended primitives nearer to each other's distance than this, metres,
// keep the shape's order.
inline constexpr double blendSortTie = 0.001;

// --- Shapes: Viewer3D/Shapes.cs @e914c9e3139addcae38630f7d350560408adbcd8 ---

// SubObject's shader names, exactly as written; any other name adds no option.
inline constexpr std::array<std::pair<std::string_view, unsigned>, 6> shaderNameOptions{{
    {"Tex", materialOption::shaderFullBright},
    {"TexDiff", materialOption::diffuse},
    {"BlendATex", materialOption::alphaBlendingBlend | materialOption::shaderFullBright},
    {"BlendATexDiff", materialOption::alphaBlendingBlend | materialOption::diffuse},
    {"AddATex", materialOption::alphaBlendingAdd | materialOption::shaderFullBright},
    {"AddATexDiff", materialOption::alphaBlendingAdd | materialOption::diffuse},
}};

// VertexLightModeMap, from light material index -12 up to -5; any other index adds no option.
inline constexpr int firstLightMaterial = -12;
inline constexpr std::array<unsigned, 8> lightMaterialOptions{
    materialOption::shaderDarkShade,  // -12
    materialOption::shaderHalfBright, // -11
    materialOption::shaderVegetation, // -10 ("not certain this is right", says the source)
    materialOption::shaderVegetation, // -9
    materialOption::shaderFullBright, // -8
    materialOption::specular750,      // -7
    materialOption::specular25,       // -6
    0,                                // -5
};

// UVTextureAddressModeMap, by the first uv_op's TexAddrMode from 1; any other stays Wrap.
inline constexpr std::array<TextureAddressing, 4> uvAddressingModes{
    TextureAddressing::Wrap, TextureAddressing::Mirror, TextureAddressing::Clamp,
    TextureAddressing::Border};

// The options a shader name gives.
constexpr unsigned shaderOptions(std::string_view shader)
{
    for (const auto& [name, options] : shaderNameOptions) {
        if (name == shader) {
            return options;
        }
    }
    return 0;
}

// --- Lighting: the MonoGame SceneryShader.fx before the PBR branch (the index's file
// 4653522758, with the ImageLevel9_3 techniques; its commit is not known), which the newer
// 50fb53f8 shader matches in all of this but its extra lights. ---

// The half-Lambert term of a corner: w = N·L × 0.5 + 0.5, toward the sun.
inline constexpr float halfLambertScale = 0.5f;
inline constexpr float halfLambertOffset = 0.5f;
// The shadow ramp saturate(w × 5 − 2): nothing lit at w <= 0.4, fully at w >= 0.6.
inline constexpr float shadowRampScale = 5;
inline constexpr float shadowRampOffset = 2;
// A normally lit texel is drawn from ShadowBrightness (turned away) up to FullBrightness.
inline constexpr float shadowBrightness = 0.5f;
inline constexpr float fullBrightness = 1.0f;
// HalfBright draws at this, whatever it faces.
inline constexpr float halfShadowBrightness = 0.75f;

// --- Night: Viewer3D/Shaders.cs @50fb53f838a9a2d0a58ce5a28e1af5906280aed1,
// SceneryShader.SetMatrix (only this version read) ---

// NightColorModifier falls from FullBrightness to NightBrightness, HalfNightColorModifier to
// HalfNightBrightness, as the sun direction's height (Y) goes from startNightTrans down to
// finishNightTrans.
inline constexpr float nightBrightness = 0.2f;
inline constexpr float halfNightBrightness = 0.6f;
inline constexpr float startNightTrans = 0.1f;
inline constexpr float finishNightTrans = -0.1f;
// FullBrightness there is DayAmbientLight / 20, and the setting's default is 20
// (UserSettings.cs; not read at a known commit).
inline constexpr float dayAmbientLight = 20;

// --- Sampling: MonoGame's SamplerState, which Materials.cs makes without a border colour
// (MonoGame's source, not Open Rails'; its commit is not known) ---

// A texel outside a Border texture: SamplerState's default BorderColor, Color.White.
inline constexpr std::array<std::uint8_t, 4> borderTexel{255, 255, 255, 255};

// --- Texture files: Viewer3D/Materials.cs @50fb53f838a9a2d0a58ce5a28e1af5906280aed1,
// SharedTextureManager.Get ---

// SelectorDirectoryNames, compared without regard to case: a texture found in none of .dds and
// .ace in one of these is looked for one folder up, SelectorDirectoryMaxDepth folders at most.
inline constexpr std::array<std::string_view, 7> seasonFolders{
    "Autumn", "AutumnSnow", "Snow", "Spring", "SpringSnow", "Winter", "WinterSnow"};
inline constexpr int seasonFolderDepth = 5;

// --- Texture flags: Viewer3D/Common/Helpers.cs @22f43400285c645d1fb30b3f85e14e9588f4cfdb ---

// TextureFlags.Night in a shape descriptor's ESD_Alternative_Texture: it has night textures.
inline constexpr int nightTextureFlag = 0x100;

// --- Alpha bits: Orts.Formats.Msts/AceFile.cs @12cb2c46d693d11be5a38d1cbd9f802ec47540ee and
// Viewer3D/DDSLib.cs @01fb368fbc307fd00163f4f39b69f0cea15f9888 ---

// AceInfo.AlphaBits of a .ace: with an alpha channel, else with a mask channel, else 0.
inline constexpr int aceAlphaChannelBits = 8;
inline constexpr int aceMaskBits = 1;
// XNATextureNumAlphaBits of a .dds, by the surface it loads to: Dxt1, Dxt3 and Dxt5, and Color
// for 32 and 24 bits.
inline constexpr int dxt1AlphaBits = 1;
inline constexpr int dxt3And5AlphaBits = 4;
inline constexpr int colorAlphaBits = 8;

} // namespace orbanil
