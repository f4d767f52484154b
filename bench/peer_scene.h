// What the peers share beyond the scene: the list picture's geometry as they draw it, and the
// scene's bitmaps taken over as 32-bit pixels with their magenta key made transparent.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

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

}  // namespace bench
