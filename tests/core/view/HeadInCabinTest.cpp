#include "core/view/HeadInCabin.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

// A cabin of one textured triangle in the plane y = 1 (corners A (0 1 0), B (1 1 0),
// C (0 1 1)) and one untextured upright one far from it, in a box from (-1.4 0 -3) to
// (1.4 2.4 3).
CabinShape cabin()
{
    CabinShape shape;
    shape.textures = {"asiento.ace"};
    const auto corner = [](float x, float y, float z) { return CabinVertex{{x, y, z}, {}, {}}; };
    shape.triangles.push_back({{corner(0, 1, 0), corner(1, 1, 0), corner(0, 1, 1)}, 0});
    shape.triangles.push_back({{corner(1.4f, 0, 2), corner(1.4f, 2, 2), corner(1.4f, 0, 3)}, -1});
    shape.boundsMin = {-1.4f, 0, -3};
    shape.boundsMax = {1.4f, 2.4f, 3};
    return shape;
}

std::string near(const char* distance, const char* texture = " con la textura asiento.ace")
{
    return std::string("La cabeza está a ") + distance + " de una superficie" + texture +
           ", más cerca que el plano de corte de la cámara (0,1 m): esa superficie no se ve.";
}

TEST(HeadInCabin, SaysWhereTheHeadSpoilsTheView)
{
    struct Row
    {
        const char* what;
        Vec3 head;
        std::string line;
    };
    const Row rows[] = {
        {"inside, clear of every surface", {0, 1.7f, -1}, ""},
        {"on the box's top face is inside", {0, 2.4f, -1}, ""},
        {"above", {0, 2.8f, -1}, "La cabeza está 0,4 m por encima del techo de la cabina."},
        {"below and right",
         {1.5f, -0.25f, 0},
         "La cabeza está 0,1 m a la derecha del lateral derecho y 0,25 m por debajo del suelo de "
         "la cabina."},
        {"in front",
         {0, 1, 4.2f},
         "La cabeza está 1,2 m por delante de la parte delantera de la cabina."},
        {"left and behind, all three",
         {-2, 2.5f, -3.5f},
         "La cabeza está 0,6 m a la izquierda del lateral izquierdo, 0,1 m por encima del techo y "
         "0,5 m por detrás de la parte trasera de la cabina."},
        {"over the face", {0.25f, 1.05f, 0.25f}, near("0,05 m")},
        {"under the face: the cut does not care for the side",
         {0.25f, 0.96f, 0.5f},
         near("0,04 m")},
        {"by corner A", {-0.03f, 1.04f, -0.03f}, near("0,06 m")},
        {"by corner B", {1.06f, 1, -0.02f}, near("0,06 m")},
        {"by corner C", {-0.02f, 0.97f, 1.05f}, near("0,06 m")},
        {"by edge AB", {0.5f, 1.03f, -0.04f}, near("0,05 m")},
        {"by edge AC", {-0.06f, 1, 0.5f}, near("0,06 m")},
        {"by edge BC", {0.55f, 1, 0.55f}, near("0,07 m")},
        {"touching it", {0.2f, 1.0005f, 0.2f}, near("menos de 0,01 m")},
        {"clear of it by more than the near plane", {0.25f, 1.12f, 0.25f}, ""},
        {"past the edge, clear", {1.2f, 1, -0.1f}, ""},
        {"by the untextured one", {1.33f, 1, 2.5f}, near("0,07 m", "")},
    };
    const CabinShape shape = cabin();
    for (const Row& row : rows) {
        EXPECT_EQ(headInCabinLine(shape, row.head), row.line) << row.what;
    }
    EXPECT_EQ(headInCabinLine(CabinShape{}, {0, 9, 0}), "");
}

} // namespace
} // namespace orbanil
