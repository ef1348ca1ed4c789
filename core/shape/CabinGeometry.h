#pragma once

#include "core/shape/CabinShape.h"
#include "core/shape/ShapeData.h"

#include <array>
#include <string>
#include <vector>

namespace orbanil {

// What a triangle's prim_state asks of its texture's alpha: a shader that blends
// (BlendATex, BlendATexDiff, AddATex, AddATexDiff), by adding (the last two), and the
// alpha-test mode 1.
struct AlphaRequest
{
    bool blendShader = false;
    bool alphaTest = false;
    bool additive = false;
    bool operator==(const AlphaRequest&) const = default;
};

// A triangle where the shape places it, and what it asks of its texture's alpha.
struct PlacedTriangle
{
    std::array<CabinVertex, 3> corners;
    int texture = -1; // index into CabinGeometry::textures; -1 when untextured
    AlphaRequest alpha;
    int material = -1; // index into CabinGeometry::materials
    Vec3 origin;       // where its matrices put (0, 0, 0)
    bool operator==(const PlacedTriangle&) const = default;
};

// A shape's triangles before its textures are read: the textures' alpha decides how they are
// drawn (core/shape/TextureAlpha).
struct CabinGeometry
{
    // The image file names the triangles use, as the shape names them, in the order they are
    // first used.
    std::vector<std::string> textures;
    // The materials the triangles use, each once, in the order they are first used.
    std::vector<CabinMaterial> materials;
    std::vector<PlacedTriangle> triangles;
    // The box around every triangle's corners; both zero when there are none.
    Vec3 boundsMin;
    Vec3 boundsMax;
    bool operator==(const CabinGeometry&) const = default;
};

// The triangles of the highest level of detail of every lod_control, in the file's order, each
// corner through its matrix and every parent up to the root, as the simulator draws a shape:
// matrix 0 without its translation when it is the root of the first triangles. Throws FormatError
// for an index outside its list, a matrix hierarchy that loops, or a coordinate that is not a
// number or is huge.
CabinGeometry cabinGeometry(const ShapeData& data);

// Coordinates beyond this many metres are taken for a broken file, not a cabin.
inline constexpr float maxCabinCoordinate = 100000.0f;

} // namespace orbanil
