// A picture decoded into memory, and the decoders that make one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <imaging.h>

#include "imaging/uninitialised.h"

namespace wincore {

// The decoders have the libraries write each pixel as the bytes B, G, R, A: a8r8g8b8 in memory.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "pixels are written as B, G, R, A bytes");

constexpr double kDefaultDpi = 96.0;
constexpr double kMetresPerInch = 0.0254;

struct DecodedImage {
    UINT width = 0;
    UINT height = 0;
    UninitialisedVector<uint32_t> pixels;  // premultiplied a8r8g8b8, top row first
    double xdpi = kDefaultDpi;
    double ydpi = kDefaultDpi;
    GUID format = {};
    UINT flags = 0;
};

// Whether a picture of this size may be decoded: no bitmap could hold a larger one.
bool SizeAcceptable(uint64_t width, uint64_t height);

// Sizes the pixel buffer, refusing dimensions no bitmap could hold before allocating anything. The
// pixels are left for the decoder to write, every one of them.
// E_FAIL for an empty picture, E_OUTOFMEMORY for one too large.
HRESULT AllocatePixels(DecodedImage& image, uint64_t width, uint64_t height);

// channel * factor / 255 for 8-bit values, rounded to nearest.
unsigned MultiplyChannel(unsigned channel, unsigned factor);

// 8-bit straight-alpha channels to one premultiplied pixel.
uint32_t PremultipliedPixel(unsigned red, unsigned green, unsigned blue, unsigned alpha);

// Straight-alpha a8r8g8b8 pixels to premultiplied, in place.
void PremultiplyRow(uint32_t* row, size_t count);

// Each decoder reads a complete file held in memory. Corrupt or truncated data fails (E_FAIL) and
// leaves nothing allocated.
HRESULT DecodePng(const BYTE* data, size_t size, DecodedImage& image);
HRESULT DecodeBmp(const BYTE* data, size_t size, DecodedImage& image);
HRESULT DecodeJpeg(const BYTE* data, size_t size, DecodedImage& image);

// Picks the decoder from the file's signature; E_FAIL for data that is no picture it knows.
HRESULT DecodeImage(const BYTE* data, size_t size, DecodedImage& image);

}  // namespace wincore
