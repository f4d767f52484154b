// The chunks of a PNG file as the demo wrote it, for the tests that read its animations.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

struct PngChunk {
    std::string type;
    std::vector<unsigned char> data;
    bool crcOk;
};

inline uint32_t BigEndian(const unsigned char* p, int size = 4)
{
    uint32_t value = 0;
    for (int i = 0; i < size; i++) value = value << 8 | p[i];
    return value;
}

inline std::vector<PngChunk> PngChunks(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<PngChunk> chunks;
    for (size_t i = 8; i + 12 <= file.size();) {
        const uint32_t length = BigEndian(&file[i]);
        if (i + 12 + length > file.size()) break;
        const unsigned char* type = &file[i + 4];
        chunks.push_back({std::string(type, type + 4), std::vector<unsigned char>(type + 4, type + 4 + length),
                          crc32(0, type, uInt(4 + length)) == BigEndian(type + 4 + length)});
        i += 12 + length;
    }
    return chunks;
}
