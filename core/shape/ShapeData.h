#pragma once

#include "core/shape/CabinShape.h"
#include "core/shape/ShapeBlocks.h"

#include <array>
#include <string>
#include <vector>

namespace orbanil {

// What a drawing takes from a shape file, in the file's own terms (indices as the file has
// them, not yet checked against the lists they index).

// Twelve floats: the rows of a 3×3 part, then the translation; row vectors, p′ = p·M.
using ShapeMatrix = std::array<float, 12>;

struct ShapePrimState
{
    int shader = 0;
    std::vector<int> textures; // tex_idxs; the first one is drawn
    int vertexState = 0;
    int alphaTestMode = 0;
};

struct ShapeTexture
{
    int image = 0;
    float mipMapBias = 0;
};

struct ShapeVertexState
{
    int matrix = 0;
    int lightMaterial = -5; // the light material index, -12 to -5 for the simulator's own
    int lightConfig = 0;    // index into light_model_cfgs
};

struct ShapeVertex
{
    int point = 0;
    int normal = 0;
    int uv = -1; // the first of vertex_uvs; -1 when it has none
};

struct ShapeTriangleList
{
    int primState = 0;
    std::vector<int> indices; // three per triangle, into the sub-object's vertices
};

struct ShapeSubObject
{
    std::vector<ShapeVertex> vertices;
    std::vector<ShapeTriangleList> triangleLists;
};

// The highest level of detail of one lod_control: its first distance_level.
struct ShapeDetailLevel
{
    std::vector<int> hierarchy; // each matrix's parent, -1 the root
    std::vector<ShapeSubObject> subObjects;
};

struct ShapeData
{
    std::vector<std::string> shaders;
    std::vector<Vec3> points;
    std::vector<Vec2> uvPoints;
    std::vector<Vec3> normals;
    std::vector<ShapeMatrix> matrices;
    std::vector<std::string> images;
    std::vector<ShapeTexture> textures;
    std::vector<ShapeVertexState> vertexStates;
    // Each light_model_cfg's first uv_op's TexAddrMode, its first number; 0 when it has none.
    std::vector<int> lightConfigAddressing;
    std::vector<ShapePrimState> primStates;
    std::vector<ShapeDetailLevel> levels; // one per lod_control
};

// Reads the shape block that a source starts with; everything a drawing does not need
// (volumes, sort vectors, colours, lights, animations, the lower levels of detail) is passed
// over. Throws FormatError.
ShapeData readShapeData(BlockSource& blocks);

} // namespace orbanil
