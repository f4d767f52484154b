#include "kit/Offscreen.h"

#include <algorithm>

namespace kit {

OffscreenPicture::OffscreenPicture(HDC like, int width, int height)
{
    dc = CreateCompatibleDC(like);
    bitmap = CreateCompatibleBitmap(like ? like : dc, std::max(width, 1), std::max(height, 1));
    displaced = SelectObject(dc, bitmap);
    SetBkMode(dc, TRANSPARENT);
}

OffscreenPicture::~OffscreenPicture()
{
    if (displaced) SelectObject(dc, displaced);
    if (bitmap) DeleteObject(bitmap);
    if (dc) DeleteDC(dc);
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

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info = {};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

void CopyBitmap(HDC target, HBITMAP bitmap, int x, int y, int width, int height)
{
    HDC source = CreateCompatibleDC(target);
    if (!source) return;
    HGDIOBJ old = SelectObject(source, bitmap);
    if (old) {
        BitBlt(target, x, y, width, height, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
    }
    DeleteDC(source);
}

}  // namespace kit
