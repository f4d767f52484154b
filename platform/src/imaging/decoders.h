// wincore's decoders and what they share: libpng, libjpeg-turbo and its own BMP reader.
#pragma once

#include <cstddef>
#include <cstdint>

#include "shared/imaging/decoded.h"

namespace wincore {

constexpr double kMetresPerInch = 0.0254;

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

}  // namespace wincore
