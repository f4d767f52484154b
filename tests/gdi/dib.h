// DIBs built byte by byte for the GDI tests: a header of the asked size, colour table, rows.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "support/canvas.h"
#include "support/host_fixture.h"

struct TestDib {
    int height = 0;  // as biHeight: negative for top-down
    int bitCount = 0;
    size_t stride = 0;
    size_t bitsOffset = 0;
    std::vector<uint8_t> bytes;

    const BITMAPINFO* info() const { return reinterpret_cast<const BITMAPINFO*>(bytes.data()); }
    const uint8_t* bits() const { return bytes.data() + bitsOffset; }
    BITMAPINFOHEADER& header() { return *reinterpret_cast<BITMAPINFOHEADER*>(bytes.data()); }
    // Picture row y, counted from the top whatever the row order.
    uint8_t* Row(int y) { return bytes.data() + bitsOffset + size_t(height < 0 ? y : height - 1 - y) * stride; }
    void SetColor(int x, int y, COLORREF color)  // 24- and 32-bit
    {
        uint8_t* pixel = Row(y) + size_t(x) * size_t(bitCount / 8);
        pixel[0] = GetBValue(color);
        pixel[1] = GetGValue(color);
        pixel[2] = GetRValue(color);
    }
};

inline TestDib MakeDib(int width, int height, int bitCount, DWORD headerSize = 40, const Colors& palette = {})
{
    TestDib dib;
    dib.height = height;
    dib.bitCount = bitCount;
    dib.stride = (size_t(width) * size_t(bitCount) + 31) / 32 * 4;
    dib.bitsOffset = headerSize + palette.size() * 4;
    dib.bytes.assign(dib.bitsOffset + dib.stride * size_t(std::abs(height)), 0);

    BITMAPINFOHEADER& header = dib.header();
    header.biSize = headerSize;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = WORD(bitCount);
    header.biClrUsed = DWORD(palette.size());
    for (size_t i = 0; i < palette.size(); i++) {
        RGBQUAD entry = {GetBValue(palette[i]), GetGValue(palette[i]), GetRValue(palette[i]), 0};
        std::memcpy(&dib.bytes[headerSize + 4 * i], &entry, 4);
    }
    return dib;
}
