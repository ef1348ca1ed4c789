#pragma once

#include "core/shape/CabinShape.h"
#include "core/shape/ShapeFile.h"

#include <string_view>
#include <vector>

namespace orbanil {

// What a triangle's prim_state asks of its texture's alpha: a shader that blends
// (BlendATex, BlendATexDiff, AddATex, AddATexDiff) and the alpha-test mode 1.
struct AlphaRequest
{
    bool blendShader = false;
    bool alphaTest = false;
    bool operator==(const AlphaRequest&) const = default;
};

// How the simulator draws such a triangle, given the bits of alpha its texture has (0 none or
// no texture, 1 a mask, 8 an alpha channel): a blending shader blends over more than one bit,
// and over one bit when no alpha test was asked; otherwise the alpha test applies if asked.
AlphaMode alphaMode(AlphaRequest request, int textureAlphaBits);

struct ShapeReading
{
    // Each triangle's alpha as for a texture without alpha, until applyTextureAlpha.
    CabinShape shape;
    std::vector<AlphaRequest> alphaRequests; // one per triangle
};

// The triangles of the highest level of detail of every lod_control, in the file's order, each
// corner through its matrix and every parent up to and including the root (matrix 0 as root
// without its translation, as the simulator places it); the textures the triangles use, in
// the order they first use them. Throws FormatError for an index outside its list, a matrix
// hierarchy that loops, or a coordinate that is not a number or is huge.
ShapeReading cabinShapeFrom(const ShapeData& data);

// Settles each triangle's alpha from the alpha bits of shape.textures' images, in their order.
void applyTextureAlpha(ShapeReading& reading, const std::vector<int>& textureAlphaBits);

// A shape's contents, as they follow the SIMIS header (inflated when compressed): the
// subheader, then text (UTF-16LE when utf16, else ASCII) or binary blocks. Throws FormatError.
ShapeReading readShapeContents(std::string_view contents, bool utf16);

// Coordinates beyond this many metres are taken for a broken file, not a cabin.
inline constexpr float maxCabinCoordinate = 100000.0f;

} // namespace orbanil
