// Device-independent bitmaps: reading their headers and converting their pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "gdi/gdi.h"

namespace wincore {

// One colour channel of a 16- or 32-bit DIB pixel.
struct DibChannel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;
};

struct DibFormat {
    int width = 0;
    int height = 0;  // rows, always positive
    bool topDown = false;
    int bitCount = 0;
    size_t stride = 0;       // bytes per row, padded to four
    size_t headerBytes = 0;  // header, colour masks and colour table: where a packed DIB's bits begin
    DibChannel channels[3];  // red, green, blue of 16- and 32-bit pixels
    std::vector<uint32_t> palette;  // x8r8g8b8, 2^bitCount entries for paletted DIBs
    size_t ImageBytes() const { return stride * size_t(height); }
};

// Reads a BITMAPINFO of which no more than `available` bytes may be touched (SIZE_MAX when the
// caller vouches for it). A header longer than BITMAPINFOHEADER is read as a header of that size:
// the colour table follows it. False for malformed, unsupported or oversized DIBs.
bool ReadDibFormat(const BITMAPINFO* info, size_t available, DibFormat& format);

// Converts `area` (top-down image coordinates inside the DIB) to x8r8g8b8 pixels at (0, 0) of `out`.
void ConvertDib(const DibFormat& format, const uint8_t* bits, const RECT& area, pixman_image_t* out);

}  // namespace wincore
