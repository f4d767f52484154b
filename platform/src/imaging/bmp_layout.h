// What a BMP file's headers say about its pixels, checked against the file's size.
#pragma once

#include <array>

#include "imaging/decoders.h"

namespace wincore {

constexpr uint32_t kBmpRle8 = 1;  // BI_RLE8
constexpr uint32_t kBmpRle4 = 2;  // BI_RLE4

// One bit field: the mask, where it starts and its largest value.
struct BmpChannel {
    uint32_t mask = 0;
    unsigned shift = 0;
    uint64_t maximum = 0;
};

struct BmpLayout {
    int64_t width = 0;
    int64_t height = 0;
    bool topDown = false;
    unsigned bits = 0;
    uint32_t compression = 0;
    BmpChannel red, green, blue, alpha;
    std::array<uint32_t, 256> palette = {};  // premultiplied; entries the file lacks read opaque black
    uint64_t pixelOffset = 0;
    int32_t xPelsPerMeter = 0;
    int32_t yPelsPerMeter = 0;
};

uint16_t LittleU16(const BYTE* p);
uint32_t LittleU32(const BYTE* p);

// Reads and checks the headers: the 40-byte header and its longer versions, or the 12-byte one
// of OS/2 1.x with 3-byte palette entries. False for a file it cannot describe.
bool ReadBmpLayout(const BYTE* data, size_t size, BmpLayout& layout);

// Decodes run-length encoded pixels (8 or 4 bits) into `image`, sized already; pixels the runs
// skip stay transparent and set `skipped`. False for a run or move that leaves the picture, or
// data that ends before the end-of-picture code.
bool DecodeBmpRle(const BYTE* data, size_t size, const BmpLayout& layout, DecodedImage& image, bool& skipped);

}  // namespace wincore
