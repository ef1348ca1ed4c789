// Reading a passenger cabin as the view will: the generated coach (bench/GeneratedCabin) of
// 20,000 triangles under a child matrix with its four 512 × 512 textures, in text (UTF-16) and
// compressed binary form, and coaches of about 20 MB in text and binary form, the shape alone.
#include "GeneratedCabin.h"
#include "files/CabinFiles.h"
#include "tests/support/CabinFixture.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using namespace orbanil;
using namespace orbanil::testing;

// One cabin folder per form, written once into the temporary folder and removed at exit.
struct CabinFolder
{
    std::filesystem::path folder;
    std::size_t shapeBytes = 0;

    CabinFolder(ShapeForm form, std::size_t triangles, int textureSide = 512)
        : folder(std::filesystem::temp_directory_path() /
                 ("orbanil-bench-cabin-" + std::to_string(::getpid()) + "-" +
                  std::to_string(static_cast<int>(form)) + "-" + std::to_string(triangles)))
    {
        bench::writeGeneratedCabin(bench::generatedCabin(triangles, textureSide), folder, form);
        shapeBytes = std::filesystem::file_size(folder / "coche.s");
    }
    ~CabinFolder() { std::filesystem::remove_all(folder); }
};

constexpr std::size_t triangles20k = 20000;
constexpr std::size_t triangles20MBText = 62000;    // 20.0 MB as UTF-16 text
constexpr std::size_t triangles20MBBinary = 206000; // 20.0 MB binary

void readCabinIn(benchmark::State& state, const CabinFolder& cabin, bool textures)
{
    std::size_t triangles = 0;
    for (auto _ : state) {
        if (textures) {
            const CabinReading read = readCabin(DiskFileAccess(), cabin.folder, "coche.s");
            if (!read.problems.empty()) {
                state.SkipWithError(read.problems.front().c_str());
                return;
            }
            triangles = read.shape->triangles.size();
        } else {
            std::ifstream in(cabin.folder / "coche.s", std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
            triangles = readShapeBytes(bytes).triangles.size();
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
    static const CabinFolder cabin(ShapeForm::TextUtf16, triangles20k);
    readCabinIn(state, cabin, true);
}
BENCHMARK(BM_readCabinText)->Unit(benchmark::kMillisecond);

void BM_readCabinCompressed(benchmark::State& state)
{
    static const CabinFolder cabin(ShapeForm::CompressedBinary, triangles20k);
    readCabinIn(state, cabin, true);
}
BENCHMARK(BM_readCabinCompressed)->Unit(benchmark::kMillisecond);

void BM_readShape20MBText(benchmark::State& state)
{
    static const CabinFolder cabin(ShapeForm::TextUtf16, triangles20MBText, 1);
    readCabinIn(state, cabin, false);
}
BENCHMARK(BM_readShape20MBText)->Unit(benchmark::kMillisecond);

void BM_readShape20MBBinary(benchmark::State& state)
{
    static const CabinFolder cabin(ShapeForm::Binary, triangles20MBBinary, 1);
    readCabinIn(state, cabin, false);
}
BENCHMARK(BM_readShape20MBBinary)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
