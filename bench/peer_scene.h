// What the peers share beyond the scene: the list picture's geometry as they draw it, and the
// scene's bitmaps taken over as 32-bit pixels with their magenta key made transparent.
#pragma once

#include <windows.h>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "scene.h"

namespace bench {

constexpr int kWidth = 800, kHeight = 480;  // pixels
constexpr int kPageBarHeight = 44, kPageEnd = 106, kPageMiddle = 108;  // pixels, in page_bar.png
constexpr int kIconSize = 32;  // pixels, one icon of the strip
constexpr int kArrowWidth = 28, kArrowHeight = 27;  // pixels, one cell of the arrows bitmap
constexpr int kTextLeft = 34, kDistanceGap = 5;  // pixels
constexpr int kTitleSize = 18, kDetailSize = 14;  // pixels, the fonts' character height
constexpr COLORREF kSeparatorColor = RGB(0xC7, 0x92, 0x5D);

// Top-down rows of premultiplied 0xAARRGGBB pixels: opaque, or 0 where the bitmap is magenta.
std::vector<uint32_t> KeyedPixels(HBITMAP bitmap, int width, int height);

// A peer's picture painted per iteration, its pictures and fonts made beforehand. With
// RKNAV_BENCH_PICTURES=DIR the last picture is kept as DIR/<file>, to be compared with the list's.
template <class Peer>
void PaintPeerPicture(benchmark::State& state, const char* file)
{
    Session session;
    Fonts fonts;
    Peer peer(fonts);
    if (!peer.Ready()) return state.SkipWithError("page_bar.png was not found");
    for (auto _ : state) peer.Paint();
    if (const char* folder = std::getenv("RKNAV_BENCH_PICTURES")) peer.Save(std::string(folder) + "/" + file);
}

}  // namespace bench
