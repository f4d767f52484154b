// Scaled copies between pixman images: the engine behind StretchBlt, StretchDIBits,
// TransparentImage and the image lists.
#pragma once

#include <cstdint>
#include <optional>

#include "gdi/gdi.h"

namespace wincore {

// A rectangle in image coordinates whose extents may be negative: a negative extent runs left or
// up from (x, y), and a source and destination whose signs differ on an axis mirror along it.
struct ScaleRect {
    int64_t x = 0;
    int64_t y = 0;
    int64_t width = 0;
    int64_t height = 0;
};

enum class ScaleFilter {
    Nearest,  // each destination pixel takes the source pixel under its centre
    Smooth,   // bilinear when enlarging, area averaging when shrinking
};

ScaleFilter FilterForMode(int stretchMode);

// Pixels to read: an image and the part of it that may be read (image coordinates).
struct ScaleSource {
    pixman_image_t* image = nullptr;
    RECT bounds = {0, 0, 0, 0};
};

// Extents beyond this are refused: they are no real picture and would overflow the arithmetic.
constexpr int64_t kMaxScaleExtent = int64_t(1) << 27;

// Draws `from` of `source` into `to` of `dst`, writing only inside `clip`, which must be the clip
// region set on `dst` (or cover all of it). Destination pixels whose centre falls on a source
// pixel outside the bounds are left alone, as a plain block copy leaves them. With `key`, source
// pixels of that colour (x8r8g8b8, top byte ignored) are not copied; keyed copies are always
// nearest. False for extents out of range; zero extents draw nothing and succeed.
bool ScalePixels(pixman_image_t* dst, const pixman_region32_t& clip, const ScaleRect& to, const ScaleSource& source,
                 const ScaleRect& from, ScaleFilter filter, std::optional<uint32_t> key = std::nullopt);

}  // namespace wincore
