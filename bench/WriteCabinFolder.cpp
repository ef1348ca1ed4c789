// Writes a cabin to look at in the passenger view, and reads it back as the view will:
//   bench_write_cabin fixture ROOT   the tests' small cabin: ROOT/Vagon, ROOT/INTERIORES/coche.s
//   bench_write_cabin coach ROOT     the generated coach of 20,000 triangles: ROOT/coche.s
#include "GeneratedCabin.h"
#include "files/CabinFiles.h"
#include "tests/support/CabinFixture.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

int main(int argc, char* argv[])
{
    using namespace orbanil;
    if (argc != 3 || (std::strcmp(argv[1], "fixture") != 0 && std::strcmp(argv[1], "coach") != 0)) {
        std::fprintf(stderr, "usage: %s fixture|coach ROOT\n", argv[0]);
        return 2;
    }
    const std::filesystem::path root = argv[2];
    std::filesystem::path folder = root;
    std::string name = "coche.s";
    std::optional<bench::GeneratedCabin> coach;
    if (std::strcmp(argv[1], "fixture") == 0) {
        folder = testing::writeFixtureFolder(root, testing::ShapeForm::TextUtf16).wagonFolder;
        name = testing::fixtureCabinFile;
    } else {
        coach = bench::generatedCabin();
        bench::writeGeneratedCabin(*coach, root, testing::ShapeForm::CompressedBinary);
    }
    const CabinReading read = readCabin(DiskFileAccess(), folder, name);
    // The coach read back is the coach generated, triangle for triangle; the reading lists the
    // textures and materials in the order the triangles first use them, and gives every
    // triangle a material, the standard one where the coach names none.
    if (coach) {
        const auto textureName = [](const CabinShape& shape, const CabinTriangle& triangle) {
            return triangle.texture < 0
                       ? std::string()
                       : shape.textures[static_cast<std::size_t>(triangle.texture)];
        };
        bool same = read.shape && read.shape->triangles.size() == coach->shape.triangles.size();
        for (std::size_t i = 0; same && i < coach->shape.triangles.size(); ++i) {
            CabinTriangle written = coach->shape.triangles[i];
            const CabinTriangle& back = read.shape->triangles[i];
            same = textureName(coach->shape, written) == textureName(*read.shape, back) &&
                   materialOf(coach->shape, written.material) ==
                       materialOf(*read.shape, back.material);
            written.texture = back.texture;
            written.material = back.material;
            same = same && written == back;
        }
        if (!same) {
            std::printf("the coach read back differs from the one written\n");
            return 1;
        }
    }
    std::printf("wagon folder %s, shape %s: %zu triangles, %zu textures\n", folder.string().c_str(),
                name.c_str(), read.shape ? read.shape->triangles.size() : 0, read.images.size());
    for (const std::string& problem : read.problems) {
        std::printf("  %s\n", problem.c_str());
    }
    return read.shape && read.problems.empty() ? 0 : 1;
}
