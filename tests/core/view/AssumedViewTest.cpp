#include "core/view/AssumedView.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

// A floor at y = 0 from (-2 0 -4) to (2 0 4) and a table at y = 0.75 over the centre, from
// x, z = -0.5 to 0.5, in bounds up to y = 2.4.
CabinShape cabin()
{
    CabinShape shape;
    const auto square = [&shape](float half, float y) {
        const auto corner = [y](float x, float z) { return CabinVertex{{x, y, z}, {}, {}}; };
        const float along = half * 2;
        shape.triangles.push_back(
            {{corner(-half, along), corner(half, along), corner(half, -along)}});
        shape.triangles.push_back(
            {{corner(-half, along), corner(half, -along), corner(-half, -along)}});
    };
    square(2, 0);
    square(0.5f, 0.75f);
    shape.boundsMin = {-2, 0, -4};
    shape.boundsMax = {2, 2.4f, 4};
    return shape;
}

// An empty field is shown as the simulator or the cabin has it, and the line says so.
TEST(AssumedView, EmptyFieldsAreShownAsAssumedAndSaid)
{
    struct Row
    {
        std::array<const char*, 5> typed; // head X, Y, Z, StartDirection X, Y
        Vec3 head;
        std::string line;
    };
    const std::string direction = "Dirección de inicio sin escribir: se muestra 0 0 0.";
    const Row rows[] = {
        {{"0.3", "1.6", "-2", "10", "90"}, {0.3f, 1.6f, -2}, ""},
        {{"", "", "", "", ""},
         {0, 1.95f, 0},
         direction + " Posición de la cabeza sin escribir: se muestra el centro de la cabina, a "
                     "1,2 m del suelo."},
        {{"1", "", "", "-10", ""},
         {1, 1.2f, 0},
         "Dirección de inicio Y sin escribir: se muestra 0. Posición de la cabeza Y y Z sin "
         "escribir: se muestra el centro de la cabina en Z, a 1,2 m del suelo."},
        {{"", "2", "", "", "90"},
         {0, 2, 0},
         "Dirección de inicio X sin escribir: se muestra 0. Posición de la cabeza X y Z sin "
         "escribir: se muestra el centro de la cabina en X y Z."},
        {{"0", "", "1", "0", "0"},
         {0, 1.95f, 1},
         "Posición de la cabeza Y sin escribir: se muestra a 1,2 m del suelo."},
        // Beyond the floor nothing is below: the bottom of the bounds stands for it.
        {{"3", "", "0", "0", "0"},
         {3, 1.2f, 0},
         "Posición de la cabeza Y sin escribir: se muestra a 1,2 m del suelo."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        ViewParams fields;
        fields.headX = row.typed[0];
        fields.headY = row.typed[1];
        fields.headZ = row.typed[2];
        fields.startDirectionX = row.typed[3];
        fields.startDirectionY = row.typed[4];
        const TypedCamera typed = typedCamera(fields);
        ASSERT_TRUE(typed.camera);
        const Vec3 head = shownHead(cabin(), typed);
        EXPECT_NEAR(head.x, row.head.x, 1e-6);
        EXPECT_NEAR(head.y, row.head.y, 1e-6);
        EXPECT_NEAR(head.z, row.head.z, 1e-6);
        EXPECT_EQ(assumedLine(typed), row.line);
    }
    // A field holding what is not a number gives no camera, empty or not the others.
    ViewParams halfTyped;
    halfTyped.headX = "-";
    EXPECT_FALSE(typedCamera(halfTyped).camera);
}

} // namespace
} // namespace orbanil
