#pragma once

#include "core/space/Vector.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace orbanil {

// Texture coordinates as the shape gives them: (0, 0) is the top left corner of the image,
// u grows to the right and v downward; values outside 0–1 wrap.
struct Vec2
{
    float u = 0;
    float v = 0;
    bool operator==(const Vec2&) const = default;
};

// How a triangle uses its texture's alpha, as the simulator draws it.
enum class AlphaMode
{
    Opaque,    // alpha ignored
    AlphaTest, // pixels below the simulator's reference alpha are not drawn
    Blend,     // blended over what is behind, drawn after the opaque triangles
    Add,       // its colour times its alpha added to what is behind (AddATex, AddATexDiff)
};

// How texture coordinates outside 0–1 are read: the first uv_op's TexAddrMode, 1 to 4.
enum class TextureAddressing
{
    Wrap,
    Mirror,
    Clamp,
    Border,
};

// What the simulator builds a triangle's material from, as the shape names it: its prim_state's
// shader, its vtx_state's light material and its first texture's uv_op and MipMapLODBias.
struct CabinMaterial
{
    std::string shader = "TexDiff"; // exactly as the shape writes it
    int lighting = -5;              // the vtx_state's light material index, -12 to -5
    TextureAddressing addressing = TextureAddressing::Wrap;
    float mipMapBias = 0;
    bool operator==(const CabinMaterial&) const = default;
};

struct CabinVertex
{
    Vec3 position; // through its matrix and every parent up to the root
    Vec3 normal;   // through the same rotations, unit length
    Vec2 uv;
    bool operator==(const CabinVertex&) const = default;
};

// One triangle of the highest level of detail, its corners in the order the shape lists them.
struct CabinTriangle
{
    std::array<CabinVertex, 3> corners;
    int texture = -1; // index into CabinShape::textures; -1 when untextured
    AlphaMode alpha = AlphaMode::Opaque;
    int material = -1; // index into CabinShape::materials; -1 or beyond it, CabinMaterial{}
    Vec3 origin{};     // where its matrix puts (0, 0, 0), through the matrices of its corners
    bool operator==(const CabinTriangle&) const = default;
};

// What a drawing of the interior shape needs.
struct CabinShape
{
    // The image file names the triangles' textures use, as the shape names them ("asiento.ace").
    std::vector<std::string> textures;
    std::vector<CabinMaterial> materials;
    std::vector<CabinTriangle> triangles;
    // The box around every triangle's corners; both zero when there are none.
    Vec3 boundsMin;
    Vec3 boundsMax;
    bool operator==(const CabinShape&) const = default;
};

// A triangle's material: shape.materials[index], or CabinMaterial{} for -1 and beyond the list.
inline const CabinMaterial& materialOf(const CabinShape& shape, int index)
{
    static const CabinMaterial standard;
    const bool known = index >= 0 && static_cast<std::size_t>(index) < shape.materials.size();
    return known ? shape.materials[static_cast<std::size_t>(index)] : standard;
}

// An 8-bit RGBA image, rows from the top, four bytes a pixel (R, G, B, A).
struct RgbaImage
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
    bool operator==(const RgbaImage&) const = default;
};

} // namespace orbanil
