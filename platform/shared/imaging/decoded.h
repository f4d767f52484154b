// A picture decoded into memory, as the images of both imaging services hold it.
#pragma once

#include <cstdint>

#include <imaging.h>

#include "shared/imaging/uninitialised.h"

namespace wincore {

// Each pixel is the bytes B, G, R, A: a8r8g8b8 in memory, what pixman and AlphaBlend both take.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "pixels are written as B, G, R, A bytes");

constexpr double kDefaultDpi = 96.0;

struct DecodedImage {
    UINT width = 0;
    UINT height = 0;
    UninitialisedVector<uint32_t> pixels;  // premultiplied a8r8g8b8, top row first
    double xdpi = kDefaultDpi;
    double ydpi = kDefaultDpi;
    GUID format = {};
    UINT flags = 0;
};

}  // namespace wincore
