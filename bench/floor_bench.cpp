// The floor of an area: four 32-bit copies of it, the least a paint that composes off screen can
// cost (the background into the off-screen picture, the rows over it, the off-screen picture to
// the window, the window to the screen). Four buffers of the area, aligned as pixman aligns its
// surfaces, are copied round a ring as the paint copies between its own pictures.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "cases.h"

namespace bench {

namespace {

constexpr size_t kSurfaceAlignment = 64;  // bytes: a cache line
constexpr int kSurfaces = 4;

struct FreeDeleter {
    void operator()(void* block) const { std::free(block); }
};

void FourCopies(benchmark::State& state, int width, int height)
{
    const size_t bytes = size_t(width) * size_t(height) * 4;
    const size_t rounded = (bytes + kSurfaceAlignment - 1) / kSurfaceAlignment * kSurfaceAlignment;
    std::unique_ptr<uint8_t, FreeDeleter> surfaces[kSurfaces];
    for (int i = 0; i < kSurfaces; i++) {
        surfaces[i].reset(static_cast<uint8_t*>(std::aligned_alloc(kSurfaceAlignment, rounded)));
        if (!surfaces[i]) return state.SkipWithError("out of memory");
        std::memset(surfaces[i].get(), 0x40 * i, rounded);
    }
    for (auto _ : state) {
        for (int i = 0; i < kSurfaces; i++)
            std::memcpy(surfaces[(i + 1) % kSurfaces].get(), surfaces[i].get(), bytes);
        benchmark::ClobberMemory();
    }
}

}  // namespace

std::string FloorName(int width, int height)
{
    return kFloorPrefix + std::to_string(width) + "x" + std::to_string(height);
}

void RegisterFloor(int width, int height)
{
    benchmark::RegisterBenchmark(FloorName(width, height).c_str(), FourCopies, width, height);
}

}  // namespace bench
