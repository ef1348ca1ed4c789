#include "files/CabinFiles.h"
#include "tests/support/AceWriter.h"
#include "tests/support/CabinFixture.h"
#include "tests/support/DdsWriter.h"
#include "tests/support/MemoryFiles.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace orbanil {
namespace {

using namespace testing;

// A shape of one triangle with one texture, named so; binary, where a name keeps its backslashes.
std::string shapeNaming(const std::string& texture)
{
    CabinShape cabin;
    cabin.textures = {texture};
    CabinTriangle& triangle = cabin.triangles.emplace_back();
    triangle.corners = {
        {{{0, 0, 0}, {0, 0, 1}, {}}, {{1, 0, 0}, {0, 0, 1}, {}}, {{0, 1, 0}, {0, 0, 1}, {}}}};
    triangle.texture = 0;
    return shapeFile(shapeOf(cabin), ShapeForm::Binary);
}

std::string textureFile(const std::string& path)
{
    const std::string block = dxt1Block(0xF800, 0x001F, dxt1Stripes(Stripe::ByRow));
    return path.ends_with(".dds") ? ddsFile(ddsDxt('1'), 4, 4, 1, block)
                                  : aceFile(aceRaw(0x12, 4, 4, block));
}

// The shape in a place from the wagon's folder (under the root, Vagon), its texture files (from
// the root), and what the simulator takes: the day and night files (from the root), or what the
// view says instead.
struct Lookup
{
    const char* what;
    std::string cabinFile; // PassengerCabinFile
    std::string texture;   // as the shape names it
    std::vector<std::string> files;
    bool nightTextures = false; // the descriptor asks for them
    std::string day;
    std::string night;
    std::vector<std::string> problems;
};

const std::string notInTheWagon = "No se encuentra la textura rojo.ace en la carpeta del vagón.";
const std::string besideTheShape =
    " está junto a la forma, pero el simulador la busca en la carpeta del vagón.";

const Lookup lookups[] = {
    {"beside the wagon, a .ace",
     "coche.s",
     "rojo.ace",
     {"Vagon/ROJO.ACE"},
     false,
     "Vagon/ROJO.ACE",
     "",
     {}},
    {"a .dds of the same name first",
     "coche.s",
     "rojo.ace",
     {"Vagon/rojo.ace", "Vagon/rojo.dds"},
     false,
     "Vagon/rojo.dds",
     "",
     {}},
    {"a .dds alone", "coche.s", "rojo.ace", {"Vagon/rojo.dds"}, false, "Vagon/rojo.dds", "", {}},
    {"an .ace for a name in .dds",
     "coche.s",
     "rojo.dds",
     {"Vagon/rojo.ace"},
     false,
     "Vagon/rojo.ace",
     "",
     {}},
    {"in a subfolder, the wagon's texture",
     "Interior\\coche.s",
     "rojo.ace",
     {"Vagon/rojo.ace", "Vagon/Interior/rojo.dds"},
     false,
     "Vagon/rojo.ace",
     "",
     {}},
    {"in a subfolder, only beside the shape",
     "Interior\\coche.s",
     "rojo.ace",
     {"Vagon/Interior/rojo.ace"},
     false,
     "",
     "",
     {"rojo.ace" + besideTheShape}},
    {"in a shared folder, only beside the shape",
     "..\\Comun\\coche.s",
     "rojo.ace",
     {"Comun/rojo.dds"},
     false,
     "",
     "",
     {"rojo.dds" + besideTheShape}},
    {"in a shared folder, nowhere",
     "..\\Comun\\coche.s",
     "rojo.ace",
     {},
     false,
     "",
     "",
     {notInTheWagon}},
    {"a shared texture",
     "coche.s",
     "..\\Comun\\rojo.ace",
     {"Comun/rojo.ace"},
     false,
     "Comun/rojo.ace",
     "",
     {}},
    {"a season folder's texture",
     "coche.s",
     "Winter\\rojo.ace",
     {"Vagon/rojo.ace", "Vagon/WINTER/rojo.ace"},
     false,
     "Vagon/WINTER/rojo.ace",
     "",
     {}},
    {"season folders without it: up to the first other",
     "coche.s",
     "Snow\\Winter\\rojo.ace",
     {"Vagon/rojo.ace"},
     false,
     "Vagon/rojo.ace",
     "",
     {}},
    {"another folder without it: not up",
     "coche.s",
     "Otra\\rojo.ace",
     {"Vagon/rojo.ace"},
     false,
     "",
     "",
     {"No se encuentra la textura Otra\\rojo.ace en la carpeta del vagón."}},
    {"night, beside the day texture",
     "coche.s",
     "rojo.ace",
     {"Vagon/rojo.ace", "Vagon/NIGHT/rojo.ace", "Night/rojo.dds"},
     true,
     "Vagon/rojo.ace",
     "Vagon/NIGHT/rojo.ace",
     {}},
    {"night, a .dds first",
     "coche.s",
     "rojo.ace",
     {"Vagon/rojo.ace", "Vagon/Night/rojo.ace", "Vagon/Night/rojo.dds"},
     true,
     "Vagon/rojo.ace",
     "Vagon/Night/rojo.dds",
     {}},
    {"night, in the folder above",
     "coche.s",
     "rojo.ace",
     {"Vagon/rojo.ace", "Night/rojo.ace"},
     true,
     "Vagon/rojo.ace",
     "Night/rojo.ace",
     {}},
    {"night, not asked for by the descriptor",
     "coche.s",
     "rojo.ace",
     {"Vagon/rojo.ace", "Vagon/Night/rojo.ace"},
     false,
     "Vagon/rojo.ace",
     "",
     {}},
    {"night alone: missing by day",
     "coche.s",
     "rojo.ace",
     {"Vagon/Night/rojo.ace"},
     true,
     "",
     "Vagon/Night/rojo.ace",
     {notInTheWagon}},
};

std::string fromRoot(const std::filesystem::path& file)
{
    return file.empty() ? "" : file.lexically_relative(memoryRoot).generic_string();
}

TEST(TextureFiles, TexturesAreTakenFromWhereTheSimulatorLooks)
{
    const std::filesystem::path wagon = memoryRoot / "Vagon";
    for (const Lookup& l : lookups) {
        SCOPED_TRACE(l.what);
        std::string cabinFile = l.cabinFile;
        std::ranges::replace(cabinFile, '\\', '/');
        const std::filesystem::path shape = (wagon / cabinFile).lexically_normal();
        MemoryFiles disk({{shape, shapeNaming(l.texture)}});
        for (const std::string& file : l.files) {
            disk.files[memoryRoot / file] = textureFile(file);
        }
        if (l.nightTextures) {
            disk.files[shape.string() + "d"] =
                "SIMISA@@@@@@@@@@JINX0t1t______\r\n\r\nshape ( coche.s\r\n"
                "\tESD_Alternative_Texture ( 256 )\r\n)\r\n";
        }
        const CabinReading cabin = readCabin(disk, wagon, l.cabinFile);
        ASSERT_TRUE(cabin.shape);
        EXPECT_EQ(fromRoot(cabin.textureFiles.at(0)), l.day);
        EXPECT_EQ(cabin.images.at(0).has_value(), !l.day.empty());
        EXPECT_EQ(fromRoot(cabin.nightTextureFiles.at(0)), l.night);
        EXPECT_EQ(cabin.nightImages.at(0).has_value(), !l.night.empty());
        EXPECT_TRUE(!cabin.nightImages[0] || cabin.nightImages[0]->night);
        EXPECT_EQ(cabin.problems, l.problems);
    }
}

} // namespace
} // namespace orbanil
