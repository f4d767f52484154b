// The floor: four full-screen 32-bit copies, the least a paint that composes off screen and
// copies to the screen can cost (background in, rows over it, off screen to window, window to
// screen). Two buffers are copied back and forth, as a paint reuses the same few pictures.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "cases.h"
#include "report.h"

namespace bench {

namespace {

void FourScreenCopies(benchmark::State& state, int width, int height)
{
    const size_t pixels = size_t(width) * size_t(height);
    std::vector<uint32_t> a(pixels, 0x00336699), b(pixels, 0x00996633);
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), pixels * 4);
        std::memcpy(a.data(), b.data(), pixels * 4);
        std::memcpy(b.data(), a.data(), pixels * 4);
        std::memcpy(a.data(), b.data(), pixels * 4);
        benchmark::DoNotOptimize(a.data());
        benchmark::DoNotOptimize(b.data());
        benchmark::ClobberMemory();
    }
}

}  // namespace

void RegisterFloorCases()
{
    benchmark::RegisterBenchmark(kFloorLarge, FourScreenCopies, 800, 480);
    benchmark::RegisterBenchmark(kFloorSmall, FourScreenCopies, 480, 272);
}

}  // namespace bench
