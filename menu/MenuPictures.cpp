// Off-screen pictures, bitmap sources and the captured backdrop.
#include "menu/MenuPictures.h"

#include <algorithm>

namespace menu {

MemoryPicture::MemoryPicture(HDC like, int width, int height)
{
    dc = CreateCompatibleDC(like);
    bitmap = CreateCompatibleBitmap(like ? like : dc, std::max(width, 1), std::max(height, 1));
    displaced = SelectObject(dc, bitmap);
    SetBkMode(dc, TRANSPARENT);
}

MemoryPicture::~MemoryPicture()
{
    SelectObject(dc, displaced);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

BitmapSource::BitmapSource(HBITMAP bitmap)
{
    size = BitmapSize(bitmap);
    if (size.cx <= 0 || size.cy <= 0) return;
    dc = CreateCompatibleDC(nullptr);
    displaced = SelectObject(dc, bitmap);
}

BitmapSource::~BitmapSource()
{
    if (!dc) return;
    SelectObject(dc, displaced);
    DeleteDC(dc);
}

bool CreateBackdrop(MenuBackdrop& backdrop, HDC like, int width, int height)
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

bool CaptureBackdrop(MenuBackdrop& backdrop, HWND wnd, const RECT& area)
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

void ReleaseBackdrop(MenuBackdrop& backdrop)
{
    HDC dc = backdrop.dc;
    HBITMAP bitmap = backdrop.bitmap;
    HGDIOBJ displaced = backdrop.displaced;
    backdrop = MenuBackdrop();
    if (dc && displaced) SelectObject(dc, displaced);
    if (bitmap) DeleteObject(bitmap);
    if (dc) DeleteDC(dc);
}

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info = {};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

void DeleteBitmap(HBITMAP& bitmap)
{
    HBITMAP held = bitmap;
    bitmap = nullptr;
    if (held) DeleteObject(held);
}

bool IsDeviceContext(HDC dc)
{
    DWORD type = GetObjectType(dc);
    return type == OBJ_DC || type == OBJ_MEMDC;
}

}  // namespace menu
