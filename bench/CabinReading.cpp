// Reading a passenger cabin as the view will: a generated shape of 20,000 triangles under two
// matrices with four 512 × 512 DXT1 textures, in text (UTF-16) and compressed binary form, and
// shapes of about 20 MB in text and binary form alone.
#include "files/CabinFiles.h"
#include "tests/support/AceWriter.h"
#include "tests/support/CabinFixture.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using namespace orbanil;
using namespace orbanil::testing;

constexpr int textureCount = 4;

// A floor of side × side quads split into four bands, one texture each: 2 · side² triangles,
// every grid point a vertex, under a child matrix.
ShapeNode generatedCabin(int side)
{
    const int across = side + 1;
    ShapeNode points = block("points").i(across * across);
    ShapeNode uvs = block("uv_points").i(across * across);
    ShapeNode vertices = block("vertices").i(across * across);
    for (int z = 0; z < across; ++z) {
        for (int x = 0; x < across; ++x) {
            points.add(block("point")
                           .f(0.03f * static_cast<float>(x))
                           .f(0)
                           .f(0.25f * static_cast<float>(z)));
            uvs.add(block("uv_point").f(static_cast<float>(x) / 8).f(static_cast<float>(z) / 8));
            const int v = z * across + x;
            vertices.add(block("vertex")
                             .flags(0)
                             .i(v)
                             .i(0)
                             .flags(0xffffffff)
                             .flags(0xff000000)
                             .add(block("vertex_uvs").i(1).i(v)));
        }
    }
    ShapeNode primitives = block("primitives").i(2 * textureCount);
    for (int band = 0; band < textureCount; ++band) {
        ShapeNode idxs = block("vertex_idxs");
        std::vector<int> list;
        for (int z = band * side / textureCount; z < (band + 1) * side / textureCount; ++z) {
            for (int x = 0; x < side; ++x) {
                const int v = z * across + x;
                for (const int k : {v, v + across, v + across + 1, v, v + across + 1, v + 1}) {
                    list.push_back(k);
                }
            }
        }
        idxs.i(static_cast<std::int64_t>(list.size()));
        for (const int k : list) {
            idxs.i(k);
        }
        primitives.add(block("prim_state_idx").i(band)).add(block("indexed_trilist").add(idxs));
    }
    ShapeNode images = block("images").i(textureCount);
    ShapeNode textures = block("textures").i(textureCount);
    ShapeNode primStates = block("prim_states").i(textureCount);
    for (int t = 0; t < textureCount; ++t) {
        images.add(block("image").s("textura" + std::to_string(t) + ".ace"));
        textures.add(block("texture").i(t).i(0).f(-3).flags(0xff000000));
        primStates.add(block("prim_state")
                           .flags(0)
                           .i(0)
                           .add(block("tex_idxs").i(1).i(t))
                           .f(0)
                           .i(1)
                           .i(t % 2)
                           .i(0)
                           .i(1));
    }
    ShapeNode level =
        block("distance_level")
            .add(block("distance_level_header")
                     .add(block("dlevel_selection").f(2000))
                     .add(block("hierarchy").i(2).i(-1).i(0)))
            .add(block("sub_objects").i(1).add(block("sub_object").add(vertices).add(primitives)));
    ShapeNode matrices = block("matrices").i(2);
    matrices.add(
        block("matrix", "CABINA").f(1).f(0).f(0).f(0).f(1).f(0).f(0).f(0).f(1).f(0).f(0).f(0));
    matrices.add(block("matrix", "SUELO")
                     .f(0)
                     .f(0)
                     .f(-1)
                     .f(0)
                     .f(1)
                     .f(0)
                     .f(1)
                     .f(0)
                     .f(0)
                     .f(-1.5f)
                     .f(0.1f)
                     .f(2));
    return block("shape")
        .add(block("shader_names").i(1).add(block("named_shader").s("TexDiff")))
        .add(points)
        .add(uvs)
        .add(block("normals").i(1).add(block("vector").f(0).f(1).f(0)))
        .add(matrices)
        .add(images)
        .add(textures)
        .add(block("vtx_states")
                 .i(2)
                 .add(block("vtx_state").flags(0).i(0).i(-5).i(0).flags(2))
                 .add(block("vtx_state").flags(0).i(1).i(-5).i(0).flags(2)))
        .add(primStates)
        .add(block("lod_controls")
                 .i(1)
                 .add(block("lod_control").add(block("distance_levels").i(1).add(level))));
}

std::string dxt1Texture(int side)
{
    std::string blocks;
    std::array<int, 16> indices{};
    for (std::size_t k = 0; k < 16; ++k) {
        indices[k] = static_cast<int>(k % 4);
    }
    const std::string one = dxt1Block(0xF800, 0x001F, indices);
    for (int b = 0; b < side * side / 16; ++b) {
        blocks += one;
    }
    return aceFile(aceRaw(0x12, side, side, blocks));
}

// One cabin folder per form, written once into the temporary folder and removed at exit.
struct CabinFolder
{
    std::filesystem::path folder;
    std::size_t shapeBytes = 0;

    CabinFolder(ShapeForm form, int side)
        : folder(std::filesystem::temp_directory_path() /
                 ("orbanil-bench-cabin-" + std::to_string(::getpid()) + "-" +
                  std::to_string(static_cast<int>(form)) + "-" + std::to_string(side)))
    {
        std::filesystem::create_directories(folder);
        const std::string shape = shapeFile(generatedCabin(side), form);
        shapeBytes = shape.size();
        write("coche.s", shape);
        const std::string texture = dxt1Texture(512);
        for (int t = 0; t < textureCount; ++t) {
            write("textura" + std::to_string(t) + ".ace", texture);
        }
    }
    ~CabinFolder() { std::filesystem::remove_all(folder); }

    void write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(folder / name, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
};

constexpr int side20k = 100;        // 20,000 triangles
constexpr int side20MBText = 235;   // 20.6 MB as UTF-16 text, 110,000 triangles
constexpr int side20MBBinary = 430; // 20.0 MB, 370,000 triangles

void readCabinIn(benchmark::State& state, const CabinFolder& cabin, bool textures)
{
    std::size_t triangles = 0;
    for (auto _ : state) {
        if (textures) {
            const CabinReading read = readCabin(cabin.folder, "coche.s");
            if (!read.problems.empty()) {
                state.SkipWithError(read.problems.front().c_str());
                return;
            }
            triangles = read.shape->triangles.size();
        } else {
            std::ifstream in(cabin.folder / "coche.s", std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
            triangles = readShapeBytes(bytes).shape.triangles.size();
        }
        benchmark::DoNotOptimize(triangles);
    }
    state.counters["triangles"] = static_cast<double>(triangles);
    state.counters["shape MB"] = static_cast<double>(cabin.shapeBytes) / 1e6;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(cabin.shapeBytes));
}

void BM_readCabinText(benchmark::State& state)
{
    static const CabinFolder cabin(ShapeForm::TextUtf16, side20k);
    readCabinIn(state, cabin, true);
}
BENCHMARK(BM_readCabinText)->Unit(benchmark::kMillisecond);

void BM_readCabinCompressed(benchmark::State& state)
{
    static const CabinFolder cabin(ShapeForm::CompressedBinary, side20k);
    readCabinIn(state, cabin, true);
}
BENCHMARK(BM_readCabinCompressed)->Unit(benchmark::kMillisecond);

void BM_readShape20MBText(benchmark::State& state)
{
    static const CabinFolder cabin(ShapeForm::TextUtf16, side20MBText);
    readCabinIn(state, cabin, false);
}
BENCHMARK(BM_readShape20MBText)->Unit(benchmark::kMillisecond);

void BM_readShape20MBBinary(benchmark::State& state)
{
    static const CabinFolder cabin(ShapeForm::Binary, side20MBBinary);
    readCabinIn(state, cabin, false);
}
BENCHMARK(BM_readShape20MBBinary)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
