#include "support/canvas.h"

#include <algorithm>
#include <climits>

Canvas::Canvas(int width, int height, COLORREF fill, HFONT font)
    : width_(width), height_(height), background_(fill), dc_(CreateCompatibleDC(nullptr))
{
    HDC screen = GetDC(nullptr);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    oldBitmap_ = SelectObject(dc_, bitmap_);
    oldFont_ = font ? SelectObject(dc_, font) : nullptr;
    Fill(fill);
}

Canvas::~Canvas()
{
    if (oldFont_) SelectObject(dc_, oldFont_);
    SelectObject(dc_, oldBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void Canvas::Fill(COLORREF color, RECT rect) const
{
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc_, &rect, brush);
    DeleteObject(brush);
}

void Canvas::Fill(COLORREF color)
{
    background_ = color;
    Fill(color, RECT{0, 0, width_, height_});
}

void Canvas::Paint(int y, const Colors& colors) const
{
    for (size_t x = 0; x < colors.size(); x++) SetPixel(dc_, int(x), y, colors[x]);
}

Colors Canvas::Row(int y, int from, int to) const
{
    Colors row;
    for (int x = from; x < to; x++) row.push_back(At(x, y));
    return row;
}

Colors Canvas::Pixels() const
{
    Colors pixels;
    for (int y = 0; y < height_; y++) {
        Colors row = Row(y, 0, width_);
        pixels.insert(pixels.end(), row.begin(), row.end());
    }
    return pixels;
}

RECT Canvas::InkWithin(const RECT& area) const
{
    RECT ink = {INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = area.top; y < area.bottom; y++) {
        for (int x = area.left; x < area.right; x++) {
            if (At(x, y) == background_) continue;
            ink.left = std::min<LONG>(ink.left, x);
            ink.top = std::min<LONG>(ink.top, y);
            ink.right = std::max<LONG>(ink.right, x + 1);
            ink.bottom = std::max<LONG>(ink.bottom, y + 1);
        }
    }
    return ink.right > ink.left ? ink : RECT{0, 0, 0, 0};
}
