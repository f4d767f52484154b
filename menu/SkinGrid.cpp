// The sliding panel's bitmap skins drawn as grids: fixed corners, stretched edges and centre.
#include "menu/SkinGrid.h"

#include "menu/MenuPictures.h"

namespace menu {

namespace {

constexpr int kPanelCorner = 10;     // px
constexpr int kHighlightCorner = 6;  // px

// A part squeezed to nothing is left out rather than drawn mirrored.
void Stretch(HDC dc, int x, int y, int cx, int cy, const BitmapSource& from, int sx, int sy, int scx, int scy)
{
    if (cx <= 0 || cy <= 0 || scx <= 0 || scy <= 0) return;
    StretchBlt(dc, x, y, cx, cy, from.dc, sx, sy, scx, scy, SRCCOPY);
}

void Corner(HDC dc, int x, int y, int size, const BitmapSource& from, int sx, int sy)
{
    BitBlt(dc, x, y, size, size, from.dc, sx, sy, SRCCOPY);
}

}  // namespace

void DrawPanelGrid(HDC dc, HBITMAP panel, const RECT& area)
{
    BitmapSource from(panel);
    if (!from.dc) return;
    const int k = kPanelCorner, W = from.size.cx, H = from.size.cy;
    const int l = area.left, t = area.top, r = area.right, b = area.bottom, w = r - l, h = b - t;
    Stretch(dc, l + k, t + k, w - 2 * k, h - 2 * k, from, k, k, W - 2 * k, H - 2 * k);
    Stretch(dc, l + k, t, w - 2 * k, k, from, k, 0, W - 2 * k, k);
    Stretch(dc, l + k, b - k, w - 2 * k, k, from, k, H - k, W - 2 * k, k);
    // The side strips run down to the bottom edge: the panel has no bottom corners.
    Stretch(dc, l, t + k, k, h - k, from, 0, k, k, H - 2 * k);
    Stretch(dc, r - k, t + k, k, h - k, from, W - k, k, k, H - 2 * k);
    Corner(dc, l, t, k, from, 0, 0);
    Corner(dc, r - k, t, k, from, W - k, 0);
}

void DrawHighlightGrid(HDC dc, HBITMAP highlight, const RECT& area)
{
    BitmapSource from(highlight);
    if (!from.dc) return;
    const int k = kHighlightCorner, W = from.size.cx, H = from.size.cy;
    const int l = area.left, t = area.top, r = area.right, b = area.bottom, w = r - l, h = b - t;
    Stretch(dc, l + k, t + k, w - 2 * k, h - 2 * k, from, k, k, W - 2 * k, H - 2 * k);
    Stretch(dc, l + k, t, w - 2 * k, k, from, k, 0, W - 2 * k, k);
    Stretch(dc, l + k, b - k, w - 2 * k, k, from, k, H - k, W - 2 * k, k);
    Stretch(dc, l, t + k, k, h - 2 * k, from, 0, k, k, H - 2 * k);
    Stretch(dc, r - k, t + k, k, h - 2 * k, from, W - k, k, k, H - 2 * k);
    Corner(dc, l, t, k, from, 0, 0);
    Corner(dc, l, b - k, k, from, 0, H - k);
    Corner(dc, r - k, t, k, from, W - k, 0);
    Corner(dc, r - k, b - k, k, from, W - k, H - k);
}

}  // namespace menu
