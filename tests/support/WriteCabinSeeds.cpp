// Writes the seeds of the cabin fuzzers from the fixture cabin and its textures:
// cabin_fuzz_seeds fuzz/corpus (into CabinShapeFuzz/ and TextureFuzz/ there).
#include "tests/support/AceWriter.h"
#include "tests/support/CabinFixture.h"
#include "tests/support/DdsWriter.h"

#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

using namespace orbanil::testing;

void write(const std::filesystem::path& file, const std::string& bytes)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The smallest shape that draws: one triangle, one texture.
ShapeNode oneTriangle()
{
    ShapeNode shape = block("shape");
    ShapeNode points = block("points").i(3);
    for (const float x : {0.0f, 1.0f, 0.0f}) {
        points.add(block("point").f(x).f(x == 0 ? 0.0f : 1.0f).f(0));
    }
    ShapeNode vertices = block("vertices").i(3);
    for (int v = 0; v < 3; ++v) {
        vertices.add(block("vertex").flags(0).i(v).i(0).flags(0).flags(0).add(
            block("vertex_uvs").i(1).i(0)));
    }
    ShapeNode primitives = block("primitives").i(2);
    primitives.add(block("prim_state_idx").i(0))
        .add(block("indexed_trilist").add(block("vertex_idxs").i(3).i(0).i(1).i(2)));
    ShapeNode header = block("distance_level_header").add(block("hierarchy").i(1).i(-1));
    ShapeNode level =
        block("distance_level")
            .add(header)
            .add(block("sub_objects").i(1).add(block("sub_object").add(vertices).add(primitives)));
    shape.add(block("shader_names").i(1).add(block("named_shader").s("BlendATex")))
        .add(points)
        .add(block("uv_points").i(1).add(block("uv_point").f(0).f(1)))
        .add(block("normals").i(1).add(block("vector").f(0).f(0).f(1)))
        .add(block("matrices")
                 .i(1)
                 .add(block("matrix", "M")
                          .f(1)
                          .f(0)
                          .f(0)
                          .f(0)
                          .f(1)
                          .f(0)
                          .f(0)
                          .f(0)
                          .f(1)
                          .f(0)
                          .f(0)
                          .f(0)))
        .add(block("images").i(1).add(block("image").s("t.ace")))
        .add(block("textures").i(1).add(block("texture").i(0)))
        .add(block("vtx_states").i(1).add(block("vtx_state").flags(0).i(0)))
        .add(block("prim_states")
                 .i(1)
                 .add(block("prim_state")
                          .flags(0)
                          .i(0)
                          .add(block("tex_idxs").i(1).i(0))
                          .f(0)
                          .i(0)
                          .i(1)))
        .add(block("lod_controls")
                 .i(1)
                 .add(block("lod_control").add(block("distance_levels").i(1).add(level))));
    return shape;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: cabin_fuzz_seeds CORPUS_FOLDER\n";
        return 2;
    }
    const std::filesystem::path corpus = argv[1];
    const std::pair<ShapeForm, const char*> forms[] = {
        {ShapeForm::TextUtf16, "utf16.s"},
        {ShapeForm::TextAscii, "ascii.s"},
        {ShapeForm::Binary, "binary.s"},
        {ShapeForm::CompressedBinary, "compressed.s"},
        {ShapeForm::CompressedText, "compressed-text.s"},
    };
    for (const auto& [form, name] : forms) {
        write(corpus / "CabinShapeFuzz" / (std::string("cabin-") + name),
              shapeFile(fixtureCabin(), form));
        write(corpus / "CabinShapeFuzz" / (std::string("triangle-") + name),
              shapeFile(oneTriangle(), form));
    }
    for (const FixtureTexture& texture : fixtureTextures()) {
        write(corpus / "TextureFuzz" / texture.fileName, texture.bytes);
    }
    const std::string dxt5(16, '\x5A');
    write(corpus / "TextureFuzz" / "dxt3.ace", aceFile(aceRaw(0x14, 4, 4, dxt5, AceAlpha::Alpha)));
    write(corpus / "TextureFuzz" / "dxt5.ace", aceFile(aceRaw(0x16, 4, 4, dxt5, AceAlpha::Alpha)));
    write(corpus / "TextureFuzz" / "rgb565.ace",
          aceFile(aceRaw(0x0E, 2, 2, std::string(8, '\x33'))));
    write(corpus / "TextureFuzz" / "argb4444-compressed.ace",
          compressedFile(aceRaw(0x11, 2, 2, std::string(8, '\x77'), AceAlpha::Alpha)));
    write(corpus / "TextureFuzz" / "mipmaps.ace",
          aceFile(aceRawLevels(0x12, 8, {std::string(32, '\x21'), std::string(8, '\x43')})));
    const std::pair<const char*, std::string> dds[] = {
        {"dxt1-mipmaps.dds", ddsFile(ddsDxt('1'), 8, 8, 4, std::string(32 + 3 * 8, '\x5A'))},
        {"dxt5.dds", ddsFile(ddsDxt('5'), 4, 4, 1, std::string(16, '\x5A'))},
        {"bgra.dds", ddsFile(ddsBgra(), 2, 2, 0, std::string(16, '\x66'))},
        {"bgr.dds", ddsFile(ddsBgr(), 2, 2, 0, std::string(12, '\x66'))},
        {"argb4444.dds", ddsFile(ddsArgb4444(), 2, 2, 0, std::string(8, '\x66'))},
    };
    for (const auto& [name, bytes] : dds) {
        write(corpus / "TextureFuzz" / name, bytes);
    }
    return 0;
}
