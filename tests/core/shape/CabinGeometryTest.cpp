#include "core/shape/CabinGeometry.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

// A point through its own matrix, turned a quarter round about Y and moved, its parent's,
// moved, and the root's, turned a quarter round about Z and moved: the simulator keeps the
// root's turn and drops its move.
TEST(CabinGeometry, ACornerGoesThroughEveryMatrixUpToTheRootWithoutTheRootsMove)
{
    ShapeData data;
    data.shaders = {"TexDiff"};
    data.points = {{1, 2, 3}};
    data.normals = {{0, 0, 2}};
    data.matrices = {{0, 1, 0, -1, 0, 0, 0, 0, 1, 50, 60, 70},
                     {1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 10},
                     {0, 0, -1, 0, 1, 0, 1, 0, 0, 5, 0, 0}};
    data.vertexStates = {{2, -5, 0}};
    data.primStates = {{0, {}, 0, 0}};
    ShapeDetailLevel& level = data.levels.emplace_back();
    level.hierarchy = {-1, 0, 1};
    level.subObjects.push_back({{{0, 0, -1}}, {{0, {0, 0, 0}}}});

    const CabinGeometry read = cabinGeometry(data);
    ASSERT_EQ(read.triangles.size(), 1u);
    const CabinVertex& c = read.triangles[0].corners[0];
    // (1, 2, 3) → (3 + 5, 2, -1) → (8, 2, 9) → (-2, 8, 9).
    EXPECT_EQ(c.position, (Vec3{-2, 8, 9}));
    EXPECT_EQ(c.normal, (Vec3{0, 1, 0})); // (0, 0, 2) → (2, 0, 0) → (0, 2, 0), made unit
    // Its matrix's origin, for the blended sort: (5, 0, 0) → (5, 0, 10) → (0, 5, 10).
    EXPECT_EQ(read.triangles[0].origin, (Vec3{0, 5, 10}));
    EXPECT_EQ(read.textures, std::vector<std::string>{});
    EXPECT_EQ(read.triangles[0].texture, -1);
}

// A prim_state's shader, its vtx_state's light material and light configuration, and its first
// texture, and the material the simulator builds from them.
struct Material
{
    int shader;
    int lightMaterial;
    int lightConfig;
    int texture; // -1 for none
    CabinMaterial built;
};

TEST(CabinGeometry, EachTriangleNamesTheMaterialItsStatesBuild)
{
    using enum TextureAddressing;
    const Material cases[] = {
        {0, -5, 0, 0, {"TexDiff", -5, Wrap, -3}},    {1, -8, 1, 1, {"AddATex", -8, Mirror, 0.5f}},
        {0, -12, 2, -1, {"TexDiff", -12, Clamp, 0}}, {0, -5, 3, 0, {"TexDiff", -5, Border, -3}},
        {0, -5, 4, 0, {"TexDiff", -5, Wrap, -3}}, // no uv_op
        {0, -5, 5, 0, {"TexDiff", -5, Wrap, -3}}, // an unknown mode
        {0, -5, 9, 0, {"TexDiff", -5, Wrap, -3}}, // no such light_model_cfg
        {0, -5, 0, 0, {"TexDiff", -5, Wrap, -3}}, // again: the same material
    };
    ShapeData data;
    data.shaders = {"TexDiff", "AddATex"};
    data.points = {{0, 0, 0}};
    data.normals = {{0, 0, 1}};
    data.images = {"a.ace"};
    data.textures = {{0, -3}, {0, 0.5f}};
    data.lightConfigAddressing = {1, 2, 3, 4, 0, 7};
    ShapeDetailLevel& level = data.levels.emplace_back();
    ShapeSubObject& sub = level.subObjects.emplace_back();
    sub.vertices = {{0, 0, -1}};
    for (const Material& c : cases) {
        const int index = static_cast<int>(data.primStates.size());
        data.vertexStates.push_back({-1, c.lightMaterial, c.lightConfig});
        data.primStates.push_back(
            {c.shader, c.texture < 0 ? std::vector<int>{} : std::vector<int>{c.texture}, index, 0});
        sub.triangleLists.push_back({index, {0, 0, 0}});
    }
    const CabinGeometry read = cabinGeometry(data);
    ASSERT_EQ(read.triangles.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const int material = read.triangles[i].material;
        ASSERT_GE(material, 0) << i;
        ASSERT_LT(static_cast<std::size_t>(material), read.materials.size()) << i;
        EXPECT_EQ(read.materials[static_cast<std::size_t>(material)], cases[i].built) << i;
    }
    EXPECT_EQ(read.materials.size(), 4u); // each material once
}

} // namespace
} // namespace orbanil
