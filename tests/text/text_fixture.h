// Fixtures for the text tests: fonts and memory-DC canvases that clean up after themselves, and
// ways to find the ink text leaves.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <windows.h>

#include "support/host_fixture.h"

using TextTest = HostTest;

class ScopedFont {
public:
    ScopedFont(const char16_t* face, LONG height, LONG weight = FW_NORMAL, BYTE charSet = DEFAULT_CHARSET);
    ~ScopedFont();
    ScopedFont(const ScopedFont&) = delete;
    ScopedFont& operator=(const ScopedFont&) = delete;
    HFONT get() const { return font_; }

private:
    HFONT font_;
};

// A memory DC on a white bitmap. The font it was given is deselected again when it goes.
class Canvas {
public:
    Canvas(int width, int height, HFONT font = nullptr);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    void Clear(COLORREF color = RGB(255, 255, 255));
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
    // The bounding box of pixels that differ from `background`; empty when there are none.
    RECT Ink(COLORREF background = RGB(255, 255, 255)) const;
    RECT InkWithin(const RECT& area, COLORREF background = RGB(255, 255, 255)) const;
    std::vector<COLORREF> Pixels() const;

private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ oldBitmap_;
    HGDIOBJ oldFont_;
};

bool HasInk(const RECT& ink);
std::u16string Repeat(const std::u16string& text, int times);
SIZE Extent(HDC dc, const std::u16string& text);
