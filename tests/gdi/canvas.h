// Helpers for the GDI tests: memory canvases and DIBs built byte by byte.
#pragma once

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "support/host_fixture.h"

// A memory DC holding a bitmap of its own, filled with one colour.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill = RGB(0, 0, 0));
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    void Fill(COLORREF color) const;
    void Fill(const RECT& rect, COLORREF color) const;
    // Pixels of one row, as GetPixel reads them.
    std::vector<COLORREF> Row(int y, int from, int to) const;

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    int width_;
    int height_;
};

// A DIB in one block: header (of any size the test asks for), masks, colour table, rows.
struct TestDib {
    int width = 0;
    int height = 0;  // as biHeight: negative for top-down
    int bitCount = 0;
    size_t stride = 0;
    size_t bitsOffset = 0;
    std::vector<uint8_t> bytes;

    const BITMAPINFO* info() const { return reinterpret_cast<const BITMAPINFO*>(bytes.data()); }
    const uint8_t* bits() const { return bytes.data() + bitsOffset; }
    BITMAPINFOHEADER& header() { return *reinterpret_cast<BITMAPINFOHEADER*>(bytes.data()); }
    // Row y of the picture, counted from its top whatever the DIB's row order.
    uint8_t* Row(int y);
    void SetColor(int x, int y, COLORREF color);  // 24- and 32-bit DIBs
    void SetIndex(int x, int y, unsigned index);  // paletted DIBs
};

struct DibOptions {
    DWORD headerSize = sizeof(BITMAPINFOHEADER);
    std::vector<COLORREF> palette;
    DWORD compression = BI_RGB;
    std::vector<uint32_t> masks;  // written right after a 40-byte header, else inside the header
};

DibOptions WithHeader(DWORD headerSize);
DibOptions WithPalette(std::vector<COLORREF> palette, DWORD headerSize = sizeof(BITMAPINFOHEADER));
DibOptions WithMasks(std::vector<uint32_t> masks, DWORD headerSize = sizeof(BITMAPINFOHEADER));

TestDib MakeDib(int width, int height, int bitCount, const DibOptions& options = DibOptions());
