// The samples a scaled composite takes, kept as a picture of their own: repeated by the flat-axis
// draws, kept whole by the renditions.
#pragma once

#include <pixman.h>

#include <cstdint>
#include <vector>

namespace wincore {

// What a direct composite of `source` (its transform and filter set) writes to `width` x `height`
// destination pixels from its origin, sampled into `pixels` and returned as an image over them:
// x8r8g8b8 when every sample is opaque, so that compositing it OVER is a copy. Null when out of
// memory.
pixman_image_t* SampleScaled(pixman_image_t* source, int width, int height, std::vector<uint32_t>& pixels);

}  // namespace wincore
