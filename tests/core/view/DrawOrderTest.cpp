#include "core/view/DrawOrder.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

// Blended and added triangles far to near by their matrix's origin, ties within a millimetre in
// the shape's order; the run of the farthest material is the pass's first.
TEST(DrawOrder, TheBlendedPassRunsFarToNearByEachMatrixOrigin)
{
    struct Triangle
    {
        AlphaMode alpha;
        float originZ; // metres ahead of the eye
        int surface;
    };
    using enum AlphaMode;
    struct Case
    {
        const char* what;
        std::vector<Triangle> triangles;
        std::vector<BlendedDraw> order;
    };
    const Case cases[] = {
        {"far to near", {{Blend, 2, 0}, {Blend, 5, 1}, {Add, 3, 2}}, {{1, true}, {2}, {0}}},
        {"opaque and alpha-tested ones left out",
         {{Opaque, 9, 0}, {Blend, 1, 1}, {AlphaTest, 8, 0}, {Blend, 4, 2}},
         {{3, true}, {1}}},
        {"one matrix in the shape's order",
         {{Blend, 3, 0}, {Blend, 3, 1}, {Blend, 3, 0}},
         {{0, true}, {1}, {2}}},
        {"a millimetre apart is a tie", {{Blend, 3, 0}, {Blend, 3.0009f, 1}}, {{0, true}, {1}}},
        {"more is not", {{Blend, 3, 0}, {Blend, 3.0011f, 1}}, {{1, true}, {0}}},
        {"the first run of one material",
         {{Blend, 9, 4}, {Blend, 8, 4}, {Blend, 7, 5}, {Blend, 6, 4}},
         {{0, true}, {1, true}, {2}, {3}}},
        {"none", {{Opaque, 1, 0}}, {}},
    };
    const Vec3 eye{0.5f, 1.7f, -2};
    for (const Case& c : cases) {
        CabinShape shape;
        std::vector<int> surfaces;
        for (const Triangle& t : c.triangles) {
            CabinTriangle& triangle = shape.triangles.emplace_back();
            triangle.alpha = t.alpha;
            triangle.origin = eye + Vec3{0, 0, t.originZ};
            surfaces.push_back(t.surface);
        }
        EXPECT_EQ(blendedOrder(shape, surfaces, eye), c.order) << c.what;
    }
}

} // namespace
} // namespace orbanil
