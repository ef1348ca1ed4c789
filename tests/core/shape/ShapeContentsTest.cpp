#include "core/shape/ShapeContents.h"

#include "core/shape/SimisHeader.h"
#include "tests/support/BadBytes.h"
#include "tests/support/CabinFixture.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace orbanil {
namespace {

using namespace testing;

// A plain (not compressed) shape file, from its SIMIS header on.
CabinGeometry readShapeFile(std::string_view file)
{
    const SimisHeader header = readSimisHeader(file);
    return readShapeContents(file.substr(header.contentsStart), header.utf16);
}

bool near(const Vec3& a, const Vec3& b)
{
    return std::fabs(a.x - b.x) < 1e-5f && std::fabs(a.y - b.y) < 1e-5f &&
           std::fabs(a.z - b.z) < 1e-5f;
}

bool hasCorner(const CabinGeometry& shape, const Vec3& point)
{
    return std::ranges::any_of(shape.triangles, [&](const PlacedTriangle& t) {
        return std::ranges::any_of(t.corners,
                                   [&](const CabinVertex& c) { return near(c.position, point); });
    });
}

// Every plain form gives the same triangles, standing where the fixture's geometry puts them.
TEST(ShapeContents, EveryFormOfTheCabinGivesTheSameTriangles)
{
    const CabinGeometry text = readShapeFile(fixtureShapeFile(ShapeForm::TextUtf16));
    ASSERT_EQ(text.triangles.size(), 22u);
    EXPECT_EQ(text.textures, fixtureTextureNames);
    for (const ShapeForm form : {ShapeForm::TextAscii, ShapeForm::Binary}) {
        SCOPED_TRACE(formName(form));
        EXPECT_EQ(readShapeFile(fixtureShapeFile(form)), text);
    }
    for (const KnownPoint& point : fixtureKnownPoints()) {
        EXPECT_TRUE(hasCorner(text, point.position)) << point.name;
    }
    EXPECT_TRUE(near(text.boundsMin, {-1.4f, 0, -3}));
    EXPECT_TRUE(near(text.boundsMax, {1.4f, 2.4f, 3}));
    // The seats' backs face the back of the car once their matrix has turned them.
    const PlacedTriangle& back = text.triangles[12];
    EXPECT_TRUE(near(back.corners[0].normal, {0, 0, 1}));
    EXPECT_EQ(back.corners[1].uv, (Vec2{1, 0}));
}

std::string textWith(const std::function<void(ShapeNode&)>& change)
{
    ShapeNode shape = fixtureCabin();
    change(shape);
    return shapeFile(shape, ShapeForm::TextUtf16);
}

std::string binaryWith(const std::function<void(ShapeNode&)>& change)
{
    ShapeNode shape = fixtureCabin();
    change(shape);
    return shapeFile(shape, ShapeForm::Binary);
}

// The first uv_op's mode, the seats' vtx_state's light material and their texture's
// MipMapLODBias changed: each material as the shape's blocks name it, in both forms.
TEST(ShapeContents, MaterialsComeFromTheBlocksThatNameThem)
{
    const auto change = [](ShapeNode& s) {
        s.find("uv_op_copy")->items[0].integer = 3;
        s.find("vtx_states")->children[1].items[2].integer = -8;
        s.find("textures")->children[1].items[2].real = 0.5f;
    };
    using enum TextureAddressing;
    const std::vector<CabinMaterial> materials = {
        {"TexDiff", -5, Clamp, -3}, {"BlendATexDiff", -5, Clamp, -3}, {"TexDiff", -8, Clamp, 0.5f}};
    for (const std::string& file : {textWith(change), binaryWith(change)}) {
        const CabinGeometry read = readShapeFile(file);
        EXPECT_EQ(read.materials, materials);
        EXPECT_EQ(read.triangles.back().material, 2); // a seat's
    }
}

TEST(ShapeContents, EveryBadShapeSaysWhatIsWrong)
{
    const std::string binaryFile = fixtureShapeFile(ShapeForm::Binary);
    const std::size_t binaryBody = binaryFile.size() - 32; // after header and subheader
    const std::size_t pointsAt = binaryFile.find(shapeBinary(*fixtureCabin().find("points")));
    const std::size_t pointCount = fixtureCabin().find("points")->children.size();
    std::string lyingLength = binaryFile;
    lyingLength.replace(pointsAt + 4, 4, littleEndian(100000, 4)); // the block's length
    const std::string text = shapeText(fixtureCabin());
    const BadBytes cases[] = {
        {"not a SIMIS file", "hola",
         "no empieza por la cabecera SIMISA de los archivos del simulador"},
        {"a subheader of neither form", "SIMISA@@@@@@@@@@JINX0s1x______\r\n",
         "la subcabecera «JINX0s1x» no es de texto ni binaria"},
        {"not a shape", textShapeFile("points ( 0 )"),
         "no es una forma: su primer bloque es points"},
        {"text cut short", textShapeFile(text.substr(0, text.find("uv_points"))),
         "el archivo se acaba antes de cerrar el bloque shape"},
        {"binary cut short", binaryFile.substr(0, 32 + 100),
         "el bloque shape dice ocupar " + std::to_string(binaryBody - 8) +
             " bytes y solo quedan 92: está cortado o su longitud es falsa"},
        {"a length pointing outside its block", lyingLength,
         "el bloque points dice ocupar 100000 bytes y solo quedan " +
             std::to_string(binaryFile.size() - pointsAt - 8) +
             ": está cortado o su longitud es falsa (en el bloque shape)"},
        {"a count that does not match",
         textWith([](ShapeNode& s) { s.find("points")->items[0].integer += 1; }),
         "points anuncia " + std::to_string(pointCount + 1) + " elementos y tiene " +
             std::to_string(pointCount)},
        {"an index out of range",
         textWith([](ShapeNode& s) { s.find("vertex")->items[1].integer = 999; }),
         "un vértice usa el punto 999, fuera de la lista de " + std::to_string(pointCount)},
        {"a triangle list of two corners", binaryWith([](ShapeNode& s) {
             ShapeNode& idxs = *s.find("vertex_idxs");
             idxs.items.resize(3);
             idxs.items[0].integer = 2;
         }),
         "una lista de triángulos tiene 2 índices, que no son de triángulos enteros"},
        {"matrices whose hierarchy loops",
         textWith([](ShapeNode& s) { s.find("hierarchy")->items[1].integer = 1; }),
         "la jerarquía de matrices forma un ciclo desde la matriz 0"},
        {"a coordinate that is not a number", binaryWith([](ShapeNode& s) {
             s.find("point")->items[0].real = std::numeric_limits<float>::quiet_NaN();
         }),
         "el punto 0 tiene una coordenada que no es un número"},
        {"a huge coordinate",
         textWith([](ShapeNode& s) { s.find("point")->items[1].real = 1e30f; }),
         "el punto 0 tiene una coordenada demasiado grande (más de 100000)"},
    };
    expectRefused(cases, readShapeFile);
}

} // namespace
} // namespace orbanil
