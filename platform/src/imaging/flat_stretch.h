// Scaled draws of pictures that do not change along a scaled axis (a frame's centre and edges):
// the bilinear result is then one colour per row or column, so it is sampled once and repeated.
#pragma once

#include <pixman.h>

#include <cstdint>

namespace wincore {

// Pixels of a picture's source rectangle, premultiplied a8r8g8b8.
struct PixelView {
    const uint32_t* first = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;  // pixels from one row to the next
};

// Composites `source` (a view of `pixels` with its bilinear scaling set) OVER `target` at `box`
// with the same pixels a direct composite writes, when the pixels are flat along an axis. False,
// with nothing drawn, when they are not or memory runs out.
bool CompositeFlat(const PixelView& pixels, pixman_image_t* source, pixman_image_t* target,
                   const pixman_box32_t& box);

}  // namespace wincore
