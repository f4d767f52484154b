// Windows bitmap files: BITMAPFILEHEADER + 40-byte BITMAPINFOHEADER, rows bottom-up.
#pragma once

#include "keyed.h"

#include <cstdint>
#include <string>
#include <vector>

namespace artgen {

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> palette;  // 0xRRGGBB, at most 256
    std::vector<uint8_t> indices;   // top row first
};

void writeBmp24(const std::string& path, const RgbImage& image);
void writeBmp8(const std::string& path, const IndexedImage& image);

}  // namespace artgen
