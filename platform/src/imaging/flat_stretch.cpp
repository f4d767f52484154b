#include "imaging/flat_stretch.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "imaging/scaled_samples.h"

namespace wincore {

namespace {

const uint32_t* RowOf(const PixelView& pixels, int y)
{
    return pixels.first + size_t(y) * size_t(pixels.stride);
}

// Every row one colour: bilinear sampling along x then returns that colour exactly.
bool FlatAlongX(const PixelView& pixels)
{
    for (int y = 0; y < pixels.height; y++) {
        const uint32_t* row = RowOf(pixels, y);
        if (!std::all_of(row, row + pixels.width, [&](uint32_t p) { return p == row[0]; })) return false;
    }
    return true;
}

// Every row equal to the first: sampling along y returns that row exactly.
bool FlatAlongY(const PixelView& pixels)
{
    const size_t bytes = size_t(pixels.width) * sizeof(uint32_t);
    for (int y = 1; y < pixels.height; y++)
        if (std::memcmp(RowOf(pixels, y), pixels.first, bytes) != 0) return false;
    return true;
}

bool CompositeColor(uint32_t pixel, pixman_image_t* target, const pixman_box32_t& box)
{
    auto channel = [pixel](int shift) { return uint16_t(((pixel >> shift) & 0xFF) * 0x101); };
    pixman_color_t color = {channel(16), channel(8), channel(0), channel(24)};
    pixman_image_t* fill = pixman_image_create_solid_fill(&color);
    if (!fill) return false;
    pixman_image_composite32(PIXMAN_OP_OVER, fill, nullptr, target, 0, 0, 0, 0, box.x1, box.y1, box.x2 - box.x1,
                             box.y2 - box.y1);
    pixman_image_unref(fill);
    return true;
}

// Samples `source` as the direct composite would at `width` x `height` destination pixels (one of
// them 1), then repeats those samples OVER the box.
bool CompositeSampled(pixman_image_t* source, int width, int height, pixman_image_t* target,
                      const pixman_box32_t& box)
{
    std::vector<uint32_t> samples;
    pixman_image_t* repeated = SampleScaled(source, width, height, samples);
    if (!repeated) return false;
    pixman_image_set_repeat(repeated, PIXMAN_REPEAT_NORMAL);
    pixman_image_composite32(PIXMAN_OP_OVER, repeated, nullptr, target, 0, 0, 0, 0, box.x1, box.y1, box.x2 - box.x1,
                             box.y2 - box.y1);
    pixman_image_unref(repeated);
    return true;
}

}  // namespace

bool CompositeFlat(const PixelView& pixels, pixman_image_t* source, pixman_image_t* target,
                   const pixman_box32_t& box)
{
    const bool alongX = FlatAlongX(pixels);
    const bool alongY = FlatAlongY(pixels);
    if (alongX && alongY) return CompositeColor(pixels.first[0], target, box);
    if (alongX) return CompositeSampled(source, 1, box.y2 - box.y1, target, box);
    if (alongY) return CompositeSampled(source, box.x2 - box.x1, 1, target, box);
    return false;
}

}  // namespace wincore
