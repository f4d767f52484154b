// Turning drawn art into the opaque pictures of colour-keyed bitmaps, and back for previews.
#pragma once

#include "surface.h"

#include <cstdint>
#include <vector>

namespace artgen {

// Magenta: the colour the controls treat as transparent in bitmaps.
constexpr uint32_t KeyColour = 0xFF00FF;

// Opaque pixels as 0xRRGGBB, top row first.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Pixels covered enough are blended onto a matte (the colour the bitmap will mostly sit on), the
// rest become the key colour: a keyed bitmap has no partial transparency, and blending onto the
// key itself would leave a magenta fringe. `mattes` split the picture into equal columns, one
// matte each, for strips of images that sit on different backgrounds.
RgbImage flattenOnKey(const Surface& art, const std::vector<uint32_t>& mattes);

// The key colour as transparent again.
Surface keyedToSurface(const RgbImage& image);

}  // namespace artgen
