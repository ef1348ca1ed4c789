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
    bool operator==(const CabinTriangle&) const = default;
};

// What a drawing of the interior shape needs.
struct CabinShape
{
    // The image file names the triangles' textures use, as the shape names them ("asiento.ace").
    std::vector<std::string> textures;
    std::vector<CabinTriangle> triangles;
    // The box around every triangle's corners; both zero when there are none.
    Vec3 boundsMin;
    Vec3 boundsMax;
    bool operator==(const CabinShape&) const = default;
};

// An 8-bit RGBA image, rows from the top, four bytes a pixel (R, G, B, A).
struct RgbaImage
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
    bool operator==(const RgbaImage&) const = default;
};

} // namespace orbanil
