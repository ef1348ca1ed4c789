// Throughput of the reading rule, the Windows-1252 conversions and the block generator.
#include "SavedFileText.h"
#include "core/block/InsideBlock.h"
#include "files/CodeFile.h"
#include "files/FileBytes.h"
#include "files/Windows1252.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using namespace orbanil;

constexpr std::size_t MiB = 1024 * 1024;

// One saved file per size, written once into the temporary folder and removed at exit.
const std::filesystem::path& savedFile(std::size_t size)
{
    struct File
    {
        std::filesystem::path path;
        explicit File(std::size_t size)
            : path(std::filesystem::temp_directory_path() /
                   ("orbanil-bench-" + std::to_string(::getpid()) + "-" + std::to_string(size) +
                    ".obn"))
        {
            const std::string bytes = bench::savedFileBytes(size);
            std::ofstream(path, std::ios::binary)
                .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
        ~File() { std::filesystem::remove(path); }
    };
    static File one(MiB);
    static File ten(10 * MiB);
    return size == MiB ? one.path : ten.path;
}

const std::string& savedBytes(std::size_t size, bool accented = false)
{
    static const std::string one = bench::savedFileBytes(MiB);
    static const std::string ten = bench::savedFileBytes(10 * MiB);
    static const std::string oneAccented = bench::savedFileBytes(MiB, true);
    if (accented) {
        return oneAccented;
    }
    return size == MiB ? one : ten;
}

std::size_t sizeArg(const benchmark::State& state)
{
    return static_cast<std::size_t>(state.range(0)) * MiB;
}

void setBytes(benchmark::State& state, std::size_t bytes)
{
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes));
}

void BM_codeTextFromBytes(benchmark::State& state)
{
    const std::string& bytes = savedBytes(sizeArg(state));
    for (auto _ : state) {
        benchmark::DoNotOptimize(codeTextFromBytes(bytes));
    }
    setBytes(state, bytes.size());
}
BENCHMARK(BM_codeTextFromBytes)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_codeTextFromBytesAccented(benchmark::State& state)
{
    const std::string& bytes = savedBytes(MiB, true);
    for (auto _ : state) {
        benchmark::DoNotOptimize(codeTextFromBytes(bytes));
    }
    setBytes(state, bytes.size());
}
BENCHMARK(BM_codeTextFromBytesAccented)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_readCodeFile(benchmark::State& state)
{
    const std::filesystem::path& path = savedFile(sizeArg(state));
    const std::size_t size = std::filesystem::file_size(path);
    for (auto _ : state) {
        benchmark::DoNotOptimize(readCodeFile(path));
    }
    setBytes(state, size);
}
BENCHMARK(BM_readCodeFile)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// The practical ceiling of the reading rule: one pass that finds every line feed.
void BM_memchrLineEnds(benchmark::State& state)
{
    const std::string& bytes = savedBytes(sizeArg(state));
    for (auto _ : state) {
        std::size_t lines = 0;
        const char* p = bytes.data();
        const char* const end = p + bytes.size();
        while (const void* found = std::memchr(p, '\n', static_cast<std::size_t>(end - p))) {
            ++lines;
            p = static_cast<const char*>(found) + 1;
        }
        benchmark::DoNotOptimize(lines);
    }
    setBytes(state, bytes.size());
}
BENCHMARK(BM_memchrLineEnds)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_windows1252ToUtf8(benchmark::State& state)
{
    const std::string& bytes = savedBytes(MiB, state.range(0) != 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(windows1252ToUtf8(bytes));
    }
    setBytes(state, bytes.size());
    state.SetLabel(state.range(0) != 0 ? "accented" : "ascii");
}
BENCHMARK(BM_windows1252ToUtf8)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_utf8ToWindows1252(benchmark::State& state)
{
    const std::string text = bench::generatedCodeText(MiB, state.range(0) != 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(utf8ToWindows1252(text));
    }
    setBytes(state, text.size());
    state.SetLabel(state.range(0) != 0 ? "accented" : "ascii");
}
BENCHMARK(BM_utf8ToWindows1252)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_generateInside(benchmark::State& state)
{
    const ViewParams params = bench::sampleViewParams();
    for (auto _ : state) {
        benchmark::DoNotOptimize(generateInside(params));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_generateInside);

} // namespace

BENCHMARK_MAIN();
