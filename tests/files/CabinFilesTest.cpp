#include "files/CabinFiles.h"

#include "core/shape/FormatError.h"
#include "tests/support/AceWriter.h"
#include "tests/support/CabinFixture.h"
#include "tests/support/MemoryFiles.h"
#include "tests/support/TempFolder.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace orbanil {
namespace {

using namespace testing;

bool near(const Vec3& a, const Vec3& b)
{
    return std::fabs(a.x - b.x) < 1e-5f && std::fabs(a.y - b.y) < 1e-5f &&
           std::fabs(a.z - b.z) < 1e-5f;
}

bool hasCorner(const CabinShape& shape, const Vec3& point)
{
    for (const CabinTriangle& t : shape.triangles) {
        for (const CabinVertex& c : t.corners) {
            if (near(c.position, point)) {
                return true;
            }
        }
    }
    return false;
}

// Every form the simulator reads gives the same triangles, and they stand where the fixture's
// geometry puts them.
TEST(CabinFiles, EveryFormOfTheCabinGivesTheSameTriangles)
{
    const ShapeReading text = readShapeBytes(fixtureShapeFile(ShapeForm::TextUtf16));
    ASSERT_EQ(text.shape.triangles.size(), 22u);
    EXPECT_EQ(text.shape.textures, fixtureTextureNames);
    for (const ShapeForm form : allShapeForms) {
        SCOPED_TRACE(formName(form));
        const ShapeReading read = readShapeBytes(fixtureShapeFile(form));
        EXPECT_EQ(read.shape, text.shape);
        EXPECT_EQ(read.alphaRequests, text.alphaRequests);
    }
    for (const KnownPoint& point : fixtureKnownPoints()) {
        EXPECT_TRUE(hasCorner(text.shape, point.position)) << point.name;
    }
    EXPECT_TRUE(near(text.shape.boundsMin, {-1.4f, 0, -3}));
    EXPECT_TRUE(near(text.shape.boundsMax, {1.4f, 2.4f, 3}));
    // The seats' backs face the back of the car once their matrix has turned them.
    const CabinTriangle& back = text.shape.triangles[12];
    EXPECT_TRUE(near(back.corners[0].normal, {0, 0, 1}));
    EXPECT_EQ(back.corners[1].uv, (Vec2{1, 0}));
}

TEST(CabinFiles, TheCabinIsFoundWithoutRegardToCaseAndDrawnAsTheSimulatorDrawsIt)
{
    TempFolder root;
    const FixtureFolder folder = writeFixtureFolder(root.path(), ShapeForm::CompressedBinary);
    const CabinReading cabin = readCabin(DiskFileAccess(), folder.wagonFolder, fixtureCabinFile);
    EXPECT_EQ(cabin.problems, std::vector<std::string>());
    EXPECT_EQ(cabin.messageLine(), "");
    ASSERT_TRUE(cabin.shape);
    EXPECT_TRUE(std::filesystem::equivalent(cabin.shapeFile, folder.shapeFile));
    ASSERT_EQ(cabin.images.size(), 4u);
    for (std::size_t i = 0; i < cabin.images.size(); ++i) {
        ASSERT_TRUE(cabin.images[i]) << i;
        EXPECT_EQ(cabin.images[i]->width, 8);
    }
    for (const CabinTriangle& t : cabin.shape->triangles) {
        EXPECT_EQ(t.alpha, fixtureTextureModes[static_cast<std::size_t>(t.texture)]) << t.texture;
    }
}

// One bad input: the fixture folder with one change, and the problems it must give.
struct BadInput
{
    const char* what;
    std::function<std::string()> shape;        // the shape file's bytes; empty for the fixture's
    std::string texture;                       // a texture file to replace ("" none)
    std::function<std::string()> textureBytes; // its bytes; empty to delete it
    std::string problem;
    bool shapeRead = false; // the triangles are still there
};

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

void setLength(std::string& bytes, std::size_t blockAt, std::uint32_t length)
{
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[blockAt + 4 + i] = static_cast<char>((length >> (8 * i)) & 0xFF);
    }
}

std::string shapeProblem(const std::string& reason)
{
    return "No se puede leer la forma Coche.s: " + reason + ".";
}

const std::string binaryFile = fixtureShapeFile(ShapeForm::Binary);
const std::size_t binaryBody = binaryFile.size() - 32; // after header and subheader
const std::string pointsBlock = shapeBinary(*fixtureCabin().find("points"));
const std::size_t pointsAt = binaryFile.find(pointsBlock);
const std::size_t pointCount = fixtureCabin().find("points")->children.size();
const std::string compressedContents = binaryShapeContents(shapeBinary(fixtureCabin()));

const BadInput badInputs[] = {
    {"not a SIMIS file",
     [] { return std::string("hola"); },
     "",
     {},
     shapeProblem("no empieza por la cabecera SIMISA de los archivos del simulador")},
    {"a subheader of neither form",
     [] { return std::string("SIMISA@@@@@@@@@@JINX0s1x______\r\n"); },
     "",
     {},
     shapeProblem("la subcabecera «JINX0s1x» no es de texto ni binaria")},
    {"not a shape",
     [] { return textShapeFile("points ( 0 )"); },
     "",
     {},
     shapeProblem("no es una forma: su primer bloque es points")},
    {"text cut short",
     [] {
         const std::string text = shapeText(fixtureCabin());
         return textShapeFile(text.substr(0, text.find("uv_points")));
     },
     "",
     {},
     shapeProblem("el archivo se acaba antes de cerrar el bloque shape")},
    {"binary cut short",
     [] { return binaryFile.substr(0, 32 + 100); },
     "",
     {},
     shapeProblem("el bloque shape dice ocupar " + std::to_string(binaryBody - 8) +
                  " bytes y solo quedan 92: está cortado o su longitud es falsa")},
    {"a length pointing outside its block",
     [] {
         std::string bytes = binaryFile;
         setLength(bytes, pointsAt, 100000);
         return bytes;
     },
     "",
     {},
     shapeProblem("el bloque points dice ocupar 100000 bytes y solo quedan " +
                  std::to_string(binaryFile.size() - pointsAt - 8) +
                  ": está cortado o su longitud es falsa (en el bloque shape)")},
    {"a count that does not match",
     [] { return textWith([](ShapeNode& s) { s.find("points")->items[0].integer += 1; }); },
     "",
     {},
     shapeProblem("points anuncia " + std::to_string(pointCount + 1) + " elementos y tiene " +
                  std::to_string(pointCount))},
    {"an index out of range",
     [] { return textWith([](ShapeNode& s) { s.find("vertex")->items[1].integer = 999; }); },
     "",
     {},
     shapeProblem("un vértice usa el punto 999, fuera de la lista de " +
                  std::to_string(pointCount))},
    {"a triangle list of two corners",
     [] {
         return binaryWith([](ShapeNode& s) {
             ShapeNode& idxs = *s.find("vertex_idxs");
             idxs.items.resize(3);
             idxs.items[0].integer = 2;
         });
     },
     "",
     {},
     shapeProblem("una lista de triángulos tiene 2 índices, que no son de triángulos enteros")},
    {"matrices whose hierarchy loops",
     [] { return textWith([](ShapeNode& s) { s.find("hierarchy")->items[1].integer = 1; }); },
     "",
     {},
     shapeProblem("la jerarquía de matrices forma un ciclo desde la matriz 0")},
    {"a coordinate that is not a number",
     [] {
         return binaryWith([](ShapeNode& s) {
             s.find("point")->items[0].real = std::numeric_limits<float>::quiet_NaN();
         });
     },
     "",
     {},
     shapeProblem("el punto 0 tiene una coordenada que no es un número")},
    {"a huge coordinate",
     [] { return textWith([](ShapeNode& s) { s.find("point")->items[1].real = 1e30f; }); },
     "",
     {},
     shapeProblem("el punto 0 tiene una coordenada demasiado grande (100000001504747… m)")},
    {"an inflated size that lies",
     [] { return compressedFile(compressedContents, compressedContents.size() + 1000); },
     "",
     {},
     shapeProblem("se descomprime en " + std::to_string(compressedContents.size()) +
                  " bytes y su cabecera dice " + std::to_string(compressedContents.size() + 1000))},
    {"a stream that inflates past its size",
     [] { return compressedFile(std::string(1 << 20, 'x'), 100); },
     "",
     {},
     shapeProblem("se descomprime en más de los 100 bytes que dice su cabecera")},
    {"a size above the cap",
     [] { return compressedFile("x", 300u << 20); },
     "",
     {},
     shapeProblem("dice ocupar 300 MB descomprimido, más que el límite de 256 MB")},
    {"a damaged stream",
     [] { return std::string("SIMISA@F\x10\0\0\0@@@@\x78\x9c\x07\0\0\0", 22); },
     "",
     {},
     shapeProblem("los datos comprimidos están dañados")},
    {"a stream cut short",
     [] {
         const std::string file = compressedFile(compressedContents);
         return file.substr(0, file.size() / 2);
     },
     "",
     {},
     shapeProblem("los datos comprimidos se acaban antes de tiempo")},
    {"no zlib stream",
     [] { return std::string("SIMISA@F\x10\0\0\0@@@@\0\0\0\0", 20); },
     "",
     {},
     shapeProblem("los datos comprimidos no son un flujo zlib")},
    {"a missing texture",
     {},
     "asiento.ace",
     {},
     "No se encuentra la textura Asiento.ACE junto a Coche.s.",
     true},
    {"a texture cut short",
     {},
     "ventana.ace",
     [] { return fixtureTextures()[2].bytes.substr(0, 16 + 152 + 64 + 10); },
     "No se puede leer la textura ventana.ace: está cortado en la tabla de líneas.",
     true},
    {"a texture of an unknown format",
     {},
     "suelo.ace",
     [] { return aceFile(aceRaw(0x13, 8, 8, std::string(64, '\0'))); },
     "No se puede leer la textura suelo.ace: el formato de superficie 0x13 no se conoce.",
     true},
    {"a texture too large",
     {},
     "suelo.ace",
     [] { return aceFile(aceRaw(0x12, 100000, 8, "")); },
     "No se puede leer la textura suelo.ace: mide 100000 × 8 píxeles, fuera de 1 a 8192.",
     true},
};

TEST(CabinFiles, EveryBadInputIsNamedAndTheRestStillDraws)
{
    const FixtureFolder folder = fixtureFolder(memoryRoot, ShapeForm::TextUtf16);
    for (const BadInput& bad : badInputs) {
        SCOPED_TRACE(bad.what);
        MemoryFiles disk(folder.files);
        if (bad.shape) {
            disk.files[folder.shapeFile] = bad.shape();
        }
        if (!bad.texture.empty()) {
            const auto file = folder.shapeFile.parent_path() / bad.texture;
            disk.files.erase(file);
            if (bad.textureBytes) {
                disk.files[file] = bad.textureBytes();
            }
        }
        const CabinReading cabin = readCabin(disk, folder.wagonFolder, fixtureCabinFile);
        EXPECT_EQ(cabin.problems, std::vector<std::string>{bad.problem});
        EXPECT_EQ(cabin.messageLine(), bad.problem);
        ASSERT_EQ(cabin.shape.has_value(), bad.shapeRead);
        if (bad.shapeRead) {
            // The texture's triangles keep it, without an image: drawn in a neutral colour.
            EXPECT_EQ(cabin.shape->triangles.size(), 22u);
            ASSERT_EQ(cabin.missingTextures().size(), 1u);
            const auto missing = std::find(fixtureTextureNames.begin(), fixtureTextureNames.end(),
                                           cabin.missingTextures()[0]);
            ASSERT_NE(missing, fixtureTextureNames.end());
            EXPECT_FALSE(
                cabin.images[static_cast<std::size_t>(missing - fixtureTextureNames.begin())]);
        }
    }
}

TEST(CabinFiles, ShapesAreFoundOnlyWhereTheSimulatorLooks)
{
    const FixtureFolder folder = fixtureFolder(memoryRoot, ShapeForm::Binary);
    const MemoryFiles disk(folder.files);
    for (const char* name : {"..\\Interiores\\Falta.s", "C:\\Interiores\\coche.s",
                             "\\Interiores\\coche.s", "..\\Interiores", "..\\coche.s"}) {
        SCOPED_TRACE(name);
        const CabinReading cabin = readCabin(disk, folder.wagonFolder, name);
        EXPECT_FALSE(cabin.shape);
        EXPECT_EQ(cabin.problems,
                  std::vector<std::string>{"No se encuentra la forma interior " +
                                           std::string(name) + " desde la carpeta del vagón."});
    }
    EXPECT_TRUE(readCabin(disk, folder.wagonFolder, "../INTERIORES/./COCHE.S").shape);
    EXPECT_TRUE(readCabin(disk, folder.wagonFolder / "", "..\\interiores\\coche.s").shape);
}

TEST(CabinFiles, TheMessageLineCountsTheOtherProblems)
{
    CabinReading cabin;
    cabin.problems = {"Uno.", "Dos.", "Tres."};
    EXPECT_EQ(cabin.messageLine(), "Uno. (y 2 avisos más)");
    cabin.problems.pop_back();
    EXPECT_EQ(cabin.messageLine(), "Uno. (y 1 aviso más)");
}

} // namespace
} // namespace orbanil
