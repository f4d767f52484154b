// Off-screen pictures: what every control composes a paint in, and bitmaps selected into a DC of
// their own so that pieces can be copied from them.
#pragma once

#include <windows.h>

namespace kit {

// A memory DC compatible with `like`, with a bitmap of its own of at least 1 x 1 pixels and a
// transparent background mode, for the length of one paint.
class OffscreenPicture {
public:
    OffscreenPicture(HDC like, int width, int height);
    ~OffscreenPicture();
    OffscreenPicture(const OffscreenPicture&) = delete;
    OffscreenPicture& operator=(const OffscreenPicture&) = delete;

    // False when the bitmap could not be made (a picture larger than any bitmap).
    bool Ready() const { return dc && bitmap && displaced; }

    HDC dc = nullptr;

private:
    HBITMAP bitmap = nullptr;
    HGDIOBJ displaced = nullptr;
};

// BeginPaint and EndPaint around the handling of one WM_PAINT, ended also when it throws.
class PaintScope {
public:
    explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { dc = BeginPaint(hwnd, &paint); }
    ~PaintScope() { EndPaint(hwnd_, &paint); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    PAINTSTRUCT paint = {};
    HDC dc = nullptr;

private:
    HWND hwnd_;
};

// A GDI object that a paint makes and selects into a DC: put back and deleted when it goes, also
// when the paint throws.
class MadeSelection {
public:
    MadeSelection(HDC dc, HGDIOBJ made) : dc_(dc), made_(made), displaced_(made ? SelectObject(dc, made) : nullptr) {}
    ~MadeSelection()
    {
        if (displaced_) SelectObject(dc_, displaced_);
        if (made_) DeleteObject(made_);
    }
    MadeSelection(const MadeSelection&) = delete;
    MadeSelection& operator=(const MadeSelection&) = delete;

private:
    HDC dc_;
    HGDIOBJ made_;
    HGDIOBJ displaced_;
};

// A bitmap selected into a memory DC of its own; `dc` stays null for a bitmap without pixels.
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

// Width and height of a bitmap, bottom-up or top-down; 0, 0 for anything else.
SIZE BitmapSize(HBITMAP bitmap);

// A bitmap (or DIB section) copied unscaled from its origin; a bitmap that cannot be selected is
// skipped.
void CopyBitmap(HDC target, HBITMAP bitmap, int x, int y, int width, int height);

}  // namespace kit
