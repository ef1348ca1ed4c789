#include "files/CabinFiles.h"

#include "tests/support/AceWriter.h"
#include "tests/support/CabinFixture.h"
#include "tests/support/MemoryFiles.h"
#include "tests/support/TempFolder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>

namespace orbanil {
namespace {

using namespace testing;

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
        ASSERT_FALSE(cabin.images[i]->levels.empty()) << i;
        EXPECT_EQ(cabin.images[i]->levels.front().width, 8);
    }
    for (const CabinTriangle& t : cabin.shape->triangles) {
        EXPECT_EQ(t.alpha, fixtureTextureModes[static_cast<std::size_t>(t.texture)]) << t.texture;
    }
}

// One bad file in the fixture folder and the problem it must give; the reasons themselves are
// the readers' (core/shape, files/SimisFile), here how the cabin names them.
struct BadInput
{
    const char* what;
    std::string file;                 // under the fixture's root
    std::optional<std::string> bytes; // nothing to delete it
    std::string problem;
    std::vector<std::string> missing; // the textures left without an image
};

const BadInput badInputs[] = {
    {"not a SIMIS file",
     "INTERIORES/coche.s",
     "hola",
     "No se puede leer la forma Coche.s: no empieza por la cabecera SIMISA de los archivos del "
     "simulador.",
     {}},
    {"a missing texture",
     "Vagon/asiento.ace",
     std::nullopt,
     "No se encuentra la textura Asiento.ACE en la carpeta del vagón.",
     {"Asiento.ACE"}},
    {"a texture of an unknown format",
     "Vagon/suelo.ace",
     aceFile(aceRaw(0x13, 8, 8, std::string(64, 0))),
     "No se puede leer la textura suelo.ace: el formato de superficie 0x13 no se conoce.",
     {"suelo.ace"}},
    {"a broken .dds taken before the .ace",
     "Vagon/SUELO.dds",
     "DDS 0123",
     "No se puede leer la textura SUELO.dds: está cortado en la cabecera de la textura.",
     {"suelo.ace"}},
    {"a descriptor that is no simulator file",
     "INTERIORES/coche.sd",
     "hola",
     "No se puede leer el descriptor coche.sd: no empieza por la cabecera SIMISA de los archivos "
     "del simulador.",
     {}},
};

TEST(CabinFiles, EveryBadInputIsNamedAndTheRestStillDraws)
{
    const FixtureFolder folder = fixtureFolder(memoryRoot, ShapeForm::TextUtf16);
    for (const BadInput& bad : badInputs) {
        SCOPED_TRACE(bad.what);
        MemoryFiles disk(folder.files);
        const auto file = memoryRoot / bad.file;
        disk.files.erase(file);
        if (bad.bytes) {
            disk.files[file] = *bad.bytes;
        }
        const CabinReading cabin = readCabin(disk, folder.wagonFolder, fixtureCabinFile);
        EXPECT_EQ(cabin.problems, std::vector<std::string>{bad.problem});
        EXPECT_EQ(cabin.messageLine(), bad.problem);
        ASSERT_EQ(cabin.shape.has_value(), bad.file != "INTERIORES/coche.s");
        if (cabin.shape) {
            // The texture's triangles keep it, without an image: drawn as a missing texture.
            EXPECT_EQ(cabin.shape->triangles.size(), 22u);
            EXPECT_EQ(cabin.missingTextures(), bad.missing);
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
