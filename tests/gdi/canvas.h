// Helpers for the GDI tests: memory canvases and DIBs built byte by byte.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "support/host_fixture.h"

using Colors = std::vector<COLORREF>;

// A memory DC holding a bitmap of its own, filled with one colour.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill);
    ~Canvas();
    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    void Fill(COLORREF color, RECT rect = {0, 0, 1 << 20, 1 << 20}) const;
    void Paint(int y, const Colors& colors) const;  // from column 0
    Colors Row(int y, int from, int to) const;

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

// A DIB in one block: a header of the asked size, masks, colour table, rows.
struct TestDib {
    int height = 0;  // as biHeight: negative for top-down
    int bitCount = 0;
    size_t stride = 0;
    size_t bitsOffset = 0;
    std::vector<uint8_t> bytes;

    const BITMAPINFO* info() const { return reinterpret_cast<const BITMAPINFO*>(bytes.data()); }
    const uint8_t* bits() const { return bytes.data() + bitsOffset; }
    BITMAPINFOHEADER& header() { return *reinterpret_cast<BITMAPINFOHEADER*>(bytes.data()); }
    uint8_t* Row(int y);  // picture row, counted from the top whatever the row order
    void SetColor(int x, int y, COLORREF color);  // 24- and 32-bit
    void SetIndex(int x, int y, unsigned index);  // paletted
};

// Masks go right after a 40-byte header, inside a longer one.
TestDib MakeDib(int width, int height, int bitCount, DWORD headerSize = 40, const Colors& palette = {},
                const std::vector<uint32_t>& masks = {});
