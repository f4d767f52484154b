// A memory DC holding a bitmap of its own, for tests that read back what GDI drew.
#pragma once

#include <vector>

#include <windows.h>

using Colors = std::vector<COLORREF>;

// The bitmap is made compatible with the screen (a new memory DC's own bitmap is monochrome on
// Win32), filled with `fill`; `font`, when given, stays selected until the canvas goes.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill = RGB(255, 255, 255), HFONT font = nullptr);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
    void Fill(COLORREF color, RECT rect) const;
    // The whole canvas; `color` becomes the background that Clear and Ink refer to.
    void Fill(COLORREF color);
    void Clear() { Fill(background_); }
    void Paint(int y, const Colors& colors) const;  // from column 0
    Colors Row(int y, int from, int to) const;
    Colors Pixels() const;  // row by row
    // The bounding box of pixels that differ from the background; empty when there are none.
    RECT Ink() const { return InkWithin({0, 0, width_, height_}); }
    RECT InkWithin(const RECT& area) const;

private:
    int width_;
    int height_;
    COLORREF background_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ oldBitmap_;
    HGDIOBJ oldFont_;
};
