#include "kit/Backdrop.h"

namespace kit {

bool CreateBackdrop(Backdrop& backdrop, HDC like, int width, int height)
{
    if (width <= 0 || height <= 0) return false;
    backdrop.dc = CreateCompatibleDC(like);
    backdrop.bitmap = CreateCompatibleBitmap(like, width, height);
    if (!backdrop.dc || !backdrop.bitmap) {
        ReleaseBackdrop(backdrop);
        return false;
    }
    backdrop.displaced = SelectObject(backdrop.dc, backdrop.bitmap);
    return true;
}

bool CaptureBackdrop(Backdrop& backdrop, HWND wnd, const RECT& area)
{
    ReleaseBackdrop(backdrop);
    HDC source = GetDC(wnd);
    if (!source) return false;
    const int width = area.right - area.left, height = area.bottom - area.top;
    bool created = CreateBackdrop(backdrop, source, width, height);
    if (created) BitBlt(backdrop.dc, 0, 0, width, height, source, area.left, area.top, SRCCOPY);
    ReleaseDC(wnd, source);
    return created;
}

void ReleaseBackdrop(Backdrop& backdrop)
{
    HDC dc = backdrop.dc;
    HBITMAP bitmap = backdrop.bitmap;
    HGDIOBJ displaced = backdrop.displaced;
    backdrop = Backdrop();
    if (dc && displaced) SelectObject(dc, displaced);
    if (bitmap) DeleteObject(bitmap);
    if (dc) DeleteDC(dc);
}

}  // namespace kit
