// Scaled draws repeated with the same plan (a page bar on every paint): the bilinear scaling is done
// once into a rendition, and later draws composite it one to one, with the same pixels.
#pragma once

#include <pixman.h>

#include <cstdint>

namespace wincore {

// One axis of a draw: the destination pixels written and how they sample the source.
struct AxisPlan {
    int dstBegin = 0;  // destination image coordinates, within the clip
    int dstEnd = 0;
    int srcBegin = 0;  // the picture's pixels inside the source rectangle
    int srcEnd = 0;
    double scale = 1;  // source pixels per destination pixel
    double offset = 0; // source position (from srcBegin) of the left edge of pixel dstBegin
};

// A scaled draw: which picture (its serial and pixels, as both may be reused alone) and how.
struct ScaledDraw {
    uint64_t serial = 0;
    const uint32_t* pixels = nullptr;
    AxisPlan x;
    AxisPlan y;
};

// Composites `source` (the picture's view with its bilinear scaling set) OVER `target` from a kept
// rendition, made on the second identical draw. False, with nothing drawn, on the first, for a
// rendition too big to keep, or when memory runs out.
bool CompositeKept(const ScaledDraw& draw, pixman_image_t* source, pixman_image_t* target);

// Drops every kept rendition and sighting: a host session leaves no pixels behind it.
void DropRenditions();

}  // namespace wincore
