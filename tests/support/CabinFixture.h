#pragma once

#include "core/shape/CabinShape.h"
#include "tests/support/ShapeWriter.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace orbanil::testing {

// The small cabin the tests read, written by the tests themselves: a floor, two walls, three
// seats, a window frame with an alpha-tested texture and its blended glass; two matrices, the
// seats' (ASIENTOS: turned half round and moved) under the root (CABINA), which only moves, and
// whose move the simulator drops; a lower level of detail, an animation, a comment and an unknown
// block that a drawing passes over. 22 triangles.

// The forms in which the simulator reads a shape.
enum class ShapeForm
{
    TextUtf16,
    TextAscii,
    Binary,
    CompressedBinary,
    CompressedText,
};
inline constexpr ShapeForm allShapeForms[] = {ShapeForm::TextUtf16, ShapeForm::TextAscii,
                                              ShapeForm::Binary, ShapeForm::CompressedBinary,
                                              ShapeForm::CompressedText};
const char* formName(ShapeForm form);

ShapeNode fixtureCabin();
// Any cabin as a shape tree that reads back as the same triangles in the same order: one
// sub-object under a child matrix that moves nothing, a prim_state for each texture and way of
// drawing it (a texture's alpha decides a blend, as the simulator's reading does).
ShapeNode shapeOf(const CabinShape& cabin);
// Any shape tree as a whole .s file of that form.
std::string shapeFile(const ShapeNode& shape, ShapeForm form);
std::string fixtureShapeFile(ShapeForm form);

// The texture files in the wagon's folder, where the simulator looks, by their names on disk (which
// differ in case from the names in the shape): suelo.ace (DXT1, four colours a row), asiento.ace
// (DXT1 in its three-colour mode, its last row transparent), ventana.ace (scanlines with a 1-bit
// mask: an opaque frame one pixel wide around a hole) and cristal.ace (scanlines with 8-bit alpha
// 128, compressed).
struct FixtureTexture
{
    std::string fileName;
    std::string bytes;
};
std::vector<FixtureTexture> fixtureTextures();

// The PassengerCabinFile of a wagon in <root>/Vagon: "..\Interiores\Coche.s", while the disk
// has INTERIORES/coche.s.
inline constexpr const char* fixtureCabinFile = "..\\Interiores\\Coche.s";

struct FixtureFolder
{
    std::filesystem::path wagonFolder;
    std::filesystem::path shapeFile;
    std::map<std::filesystem::path, std::string> files; // the shape and the textures by path
};
// The wagon folder with the textures and the shape in that form under root; written to disk by
// the second.
FixtureFolder fixtureFolder(const std::filesystem::path& root, ShapeForm form);
FixtureFolder writeFixtureFolder(const std::filesystem::path& root, ShapeForm form);

// Corners of the cabin whose places are known apart from any reading (MSTS space, metres,
// through the matrices): where a drawing of the fixture can put markers.
struct KnownPoint
{
    std::string name;
    Vec3 position;
};
std::vector<KnownPoint> fixtureKnownPoints();

// The fixture's textures in the order the shape's triangles first use them, and how each is
// drawn once read.
inline const std::vector<std::string> fixtureTextureNames = {"suelo.ace", "ventana.ace",
                                                             "CRISTAL.ace", "Asiento.ACE"};
inline const std::vector<AlphaMode> fixtureTextureModes = {AlphaMode::Opaque, AlphaMode::AlphaTest,
                                                           AlphaMode::Blend, AlphaMode::Opaque};

} // namespace orbanil::testing
