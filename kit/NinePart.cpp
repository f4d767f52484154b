#include "kit/NinePart.h"

#include "frame/NavImage.h"
#include "kit/Offscreen.h"

namespace kit {

namespace {

void Stretch(HDC dc, int x, int y, int cx, int cy, const BitmapSource& from, int sx, int sy, int scx, int scy)
{
    if (cx <= 0 || cy <= 0 || scx <= 0 || scy <= 0) return;
    StretchBlt(dc, x, y, cx, cy, from.dc, sx, sy, scx, scy, SRCCOPY);
}

}  // namespace

void DrawNinePart(CNavImage& frame, HDC dc, const RECT& area, int corner)
{
    const int k = corner, w = frame.GetWidth(), h = frame.GetHeight();
    const int l = area.left, t = area.top, r = area.right, b = area.bottom;
    const int width = r - l, height = b - t;
    frame.DrawStretch(dc, l, t, k, k, 0, 0, k, k);
    frame.DrawStretch(dc, r - k, t, k, k, w - k, 0, k, k);
    frame.DrawStretch(dc, l, b - k, k, k, 0, h - k, k, k);
    frame.DrawStretch(dc, r - k, b - k, k, k, w - k, h - k, k, k);
    frame.DrawStretch(dc, l + k, t, width - 2 * k, k, k, 0, w - 2 * k, k);
    frame.DrawStretch(dc, l + k, b - k, width - 2 * k, k, k, h - k, w - 2 * k, k);
    frame.DrawStretch(dc, l, t + k, k, height - 2 * k, 0, k, k, h - 2 * k);
    frame.DrawStretch(dc, r - k, t + k, k, height - 2 * k, w - k, k, k, h - 2 * k);
    frame.DrawStretch(dc, l + k, t + k, width - 2 * k, height - 2 * k, k, k, w - 2 * k, h - 2 * k);
}

void DrawBitmapGrid(HDC dc, HBITMAP skin, const RECT& area, int corner, bool bottomCorners)
{
    BitmapSource from(skin);
    if (!from.dc) return;
    const int k = corner, W = from.size.cx, H = from.size.cy;
    const int l = area.left, t = area.top, r = area.right, b = area.bottom, w = r - l, h = b - t;
    const int sides = bottomCorners ? h - 2 * k : h - k;
    Stretch(dc, l + k, t + k, w - 2 * k, h - 2 * k, from, k, k, W - 2 * k, H - 2 * k);
    Stretch(dc, l + k, t, w - 2 * k, k, from, k, 0, W - 2 * k, k);
    Stretch(dc, l + k, b - k, w - 2 * k, k, from, k, H - k, W - 2 * k, k);
    Stretch(dc, l, t + k, k, sides, from, 0, k, k, H - 2 * k);
    Stretch(dc, r - k, t + k, k, sides, from, W - k, k, k, H - 2 * k);
    BitBlt(dc, l, t, k, k, from.dc, 0, 0, SRCCOPY);
    if (bottomCorners) BitBlt(dc, l, b - k, k, k, from.dc, 0, H - k, SRCCOPY);
    BitBlt(dc, r - k, t, k, k, from.dc, W - k, 0, SRCCOPY);
    if (bottomCorners) BitBlt(dc, r - k, b - k, k, k, from.dc, W - k, H - k, SRCCOPY);
}

}  // namespace kit
