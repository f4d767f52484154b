// A picture decoded into memory, as the images of both imaging services hold it.
#pragma once

#include <atomic>
#include <cstdint>

#include <imaging.h>

#include "shared/imaging/uninitialised.h"

namespace wincore {

// Each pixel is the bytes B, G, R, A: a8r8g8b8 in memory, what pixman and AlphaBlend both take.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "pixels are written as B, G, R, A bytes");

constexpr double kDefaultDpi = 96.0;

// A number no other picture of the process had, so that work kept from a picture's pixels is never
// taken for a later picture's that reuses its memory.
inline uint64_t NewPictureSerial()
{
    static std::atomic<uint64_t> last{0};
    return ++last;
}

struct DecodedImage {
    UINT width = 0;
    UINT height = 0;
    UninitialisedVector<uint32_t> pixels;  // premultiplied a8r8g8b8, top row first
    double xdpi = kDefaultDpi;
    double ydpi = kDefaultDpi;
    GUID format = {};
    UINT flags = 0;
    uint64_t serial = NewPictureSerial();  // a copy shares it, with its own pixels
};

}  // namespace wincore
