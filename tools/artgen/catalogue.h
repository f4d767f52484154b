// Every picture the library loads: its resource id, file name, storage format and drawing.
#pragma once

#include "surface.h"

#include <cstdint>
#include <vector>

namespace artgen {

enum class FileKind { Png, Bmp24, Bmp8 };

struct Entry {
    int resourceId;
    const char* fileName;
    FileKind kind;
    std::vector<uint32_t> mattes;  // bitmaps only: what partly covered edge pixels are blended onto
    Surface (*draw)();
};

const std::vector<Entry>& catalogue();

}  // namespace artgen
