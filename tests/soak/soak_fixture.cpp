#include "soak/soak_fixture.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

#if defined(RKNAV_EMULATED)
constexpr bool kEmulated = true;
#else
constexpr bool kEmulated = false;
#endif

constexpr int kFullCycles = 10000;
constexpr int kSanitizedCycles = 500;
constexpr int kEmulatedCycles = 1000;
constexpr int kCheckEvery = 500;
constexpr long kResidentToleranceKb = 1024;

long ResidentKb()
{
    long size = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

}  // namespace

int SoakCycles()
{
    if (kAddressSanitizer) return kSanitizedCycles;
    return kEmulated ? kEmulatedCycles : kFullCycles;
}

void SoakTest::Soak(const std::string& what, const std::function<void(int)>& cycle)
{
    const int cycles = SoakCycles(), warmUp = cycles / 20;
    for (int i = 0; i < warmUp; i++) cycle(i);
    const int windows = wincore::LiveWindows(), gdi = wincore::LiveGdiObjects();
    const long residentBefore = ResidentKb();
    const auto start = std::chrono::steady_clock::now();
    for (int i = warmUp; i < cycles; i++) {
        cycle(i);
        if ((i + 1) % kCheckEvery != 0) continue;
        ASSERT_EQ(wincore::LiveWindows(), windows) << what << ": windows after cycle " << i + 1;
        ASSERT_EQ(wincore::LiveGdiObjects(), gdi) << what << ": GDI objects after cycle " << i + 1;
    }
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    const long growth = ResidentKb() - residentBefore;
    printf("soak %s: %d cycles, %.3f ms each; windows %d, GDI objects %d; resident %ld KB, %+ld KB after warm-up\n",
           what.c_str(), cycles, ms / (cycles - warmUp), windows, gdi, residentBefore, growth);
    if (!kAddressSanitizer) {
        EXPECT_LE(growth, kResidentToleranceKb) << what << ": resident memory grew";
    }
}
