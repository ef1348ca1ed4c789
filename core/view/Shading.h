#pragma once

#include <string_view>

namespace orbanil {

// The simulator's pixel shader techniques for a shape's materials.
enum class Technique
{
    Image,      // lit by the sun when diffuse, down to ShadowBrightness
    DarkShade,  // ShadowBrightness whatever it faces
    HalfBright, // HalfShadowBrightness whatever it faces
    FullBright, // the texture's own colour, by day and by night
    Vegetation, // an ambient brightness, no sun
};

// What a material is drawn with: its technique, and whether the sun's diffuse light counts.
struct Shading
{
    Technique technique = Technique::Image;
    bool diffuse = false;
    bool operator==(const Shading&) const = default;
};

// As Open Rails draws a prim_state: the options of its shader name (exactly as written) and of
// its vtx_state's light material index ORed together, so that Tex, BlendATex and AddATex stay
// full bright whatever the index but for vegetation; an unknown name or index adds nothing.
Shading shadingOf(std::string_view shader, int lightMaterial);

} // namespace orbanil
