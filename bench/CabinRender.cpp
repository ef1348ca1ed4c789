// One frame of the passenger view: the generated coach at 640 x 400 and 1280 x 800, on one
// thread and on two, its time and the heap the renderer takes for it (the image, the depth
// buffer and its own buffers).
#include "GeneratedCabin.h"
#include "core/view/CabinRenderer.h"

#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

std::atomic<std::size_t> heapInUse{0};
std::atomic<std::size_t> heapPeak{0};

void* counted(std::size_t size)
{
    void* p = std::malloc(size == 0 ? 1 : size);
    if (!p) {
        throw std::bad_alloc();
    }
    const std::size_t now = heapInUse += malloc_usable_size(p);
    std::size_t peak = heapPeak;
    while (now > peak && !heapPeak.compare_exchange_weak(peak, now)) {
    }
    return p;
}

void uncounted(void* p)
{
    if (p) {
        heapInUse -= malloc_usable_size(p);
        std::free(p);
    }
}

} // namespace

void* operator new(std::size_t size)
{
    return counted(size);
}
void* operator new[](std::size_t size)
{
    return counted(size);
}
void operator delete(void* p) noexcept
{
    uncounted(p);
}
void operator delete[](void* p) noexcept
{
    uncounted(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    uncounted(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    uncounted(p);
}

namespace {

using namespace orbanil;

const bench::GeneratedCabin& coach()
{
    static const bench::GeneratedCabin cabin = bench::generatedCabin();
    return cabin;
}

void BM_renderCabin(benchmark::State& state)
{
    const bench::GeneratedCabin& cabin = coach();
    const std::vector<const CabinTexture*> textures = cabin.textures();
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    CabinRenderer renderer(static_cast<int>(state.range(2)));
    std::size_t rendererBytes = 0;
    for (auto _ : state) {
        const std::size_t before = heapInUse;
        heapPeak = before;
        std::optional<RgbaImage> image =
            renderer.render(cabin.shape, textures, cabin.camera, {}, width, height);
        benchmark::DoNotOptimize(image);
        rendererBytes = std::max(rendererBytes, heapPeak - before);
    }
    std::size_t textureBytes = 0;
    for (const CabinTexture& texture : cabin.images) {
        for (const RgbaImage& level : texture.levels) {
            textureBytes += level.pixels.size();
        }
    }
    state.counters["triangles"] = static_cast<double>(cabin.shape.triangles.size());
    state.counters["renderer_MiB"] = static_cast<double>(rendererBytes) / (1 << 20);
    state.counters["textures_MiB"] = static_cast<double>(textureBytes) / (1 << 20);
    state.counters["shape_MiB"] =
        static_cast<double>(cabin.shape.triangles.capacity() * sizeof(CabinTriangle)) / (1 << 20);
}
// The target's size, and a window twice as wide and high, on one thread and on two.
BENCHMARK(BM_renderCabin)
    ->ArgNames({"width", "height", "threads"})
    ->Args({640, 400, 1})
    ->Args({1280, 800, 1})
    ->Args({640, 400, 2})
    ->Args({1280, 800, 2})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
