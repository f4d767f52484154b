// Pictures the menus paint with: off-screen pictures, the captured backdrop, the translucent
// frame and the sliding panel's bitmap skins.
#pragma once

#include <windows.h>

class CNavImage;

namespace menu {

constexpr UINT kFramePicture = 126;     // "PNG" IDR_MENU_FRAME
constexpr int kFrameCorner = 22;        // px, corners of the frame grid
constexpr COLORREF kKeyColour = 0x00FF00FF;

// A memory DC with a bitmap of its own, for the length of one paint.
class MemoryPicture {
public:
    MemoryPicture(HDC like, int width, int height);
    ~MemoryPicture();
    MemoryPicture(const MemoryPicture&) = delete;
    MemoryPicture& operator=(const MemoryPicture&) = delete;

    HDC dc = nullptr;

private:
    HBITMAP bitmap = nullptr;
    HGDIOBJ displaced = nullptr;
};

// A bitmap selected into a memory DC of its own, to copy pieces from.
class BitmapSource {
public:
    explicit BitmapSource(HBITMAP bitmap);
    ~BitmapSource();
    BitmapSource(const BitmapSource&) = delete;
    BitmapSource& operator=(const BitmapSource&) = delete;

    HDC dc = nullptr;
    SIZE size = {0, 0};

private:
    HGDIOBJ displaced = nullptr;
};

// The pixels behind a menu: a memory DC, its bitmap and the bitmap that bitmap displaced.
struct MenuBackdrop {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ displaced = nullptr;
};

bool CreateBackdrop(MenuBackdrop& backdrop, HDC like, int width, int height);
// Replaces the backdrop with `area`'s size of `wnd`'s client pixels from `area`'s top-left corner.
bool CaptureBackdrop(MenuBackdrop& backdrop, HWND wnd, const RECT& area);
// Safe to enter again while it runs: each handle is forgotten right after its release.
void ReleaseBackdrop(MenuBackdrop& backdrop);

// Drops the frame picture and loads it afresh; null when it cannot be loaded.
void ReplaceFrameImage(CNavImage*& image);
void ReleaseFrameImage(CNavImage*& image);
// The frame as nine parts with fixed 22-pixel corners over `area`; nothing without DC or picture.
void DrawMenuFrame(CNavImage* image, HDC dc, const RECT& area);

SIZE BitmapSize(HBITMAP bitmap);
void DeleteBitmap(HBITMAP& bitmap);
bool IsDeviceContext(HDC dc);

}  // namespace menu
