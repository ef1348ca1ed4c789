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
    data.vertexStateMatrices = {2};
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
    EXPECT_EQ(read.textures, std::vector<std::string>{});
    EXPECT_EQ(read.triangles[0].texture, -1);
}

} // namespace
} // namespace orbanil
