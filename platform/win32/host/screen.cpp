// The composed screen, read from the screen DC. One capture serves every pixel read until the
// next input or pump may have changed what shows.
#include <wincore/host.h>

#include "session.h"

namespace wincore {

namespace {

bool captured = false;
ScreenImage screen;

ScreenImage Capture()
{
    ScreenImage image;
    image.width = GetSystemMetrics(SM_CXSCREEN);
    image.height = GetSystemMetrics(SM_CYSCREEN);
    HDC desktop = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(desktop);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(desktop, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (memory && section) {
        HGDIOBJ old = SelectObject(memory, section);
        BitBlt(memory, 0, 0, image.width, image.height, desktop, 0, 0, SRCCOPY);
        GdiFlush();
        const DWORD* pixels = static_cast<const DWORD*>(bits);
        image.pixels.assign(pixels, pixels + size_t(image.width) * image.height);
        for (DWORD& pixel : image.pixels) pixel &= 0x00FFFFFF;
        SelectObject(memory, old);
    }
    if (section) DeleteObject(section);
    if (memory) DeleteDC(memory);
    ReleaseDC(nullptr, desktop);
    return image;
}

const ScreenImage& Current()
{
    if (!captured) {
        screen = Capture();
        captured = true;
    }
    return screen;
}

}  // namespace

void ForgetScreen()
{
    captured = false;
}

ScreenImage CaptureScreen()
{
    return Current();
}

COLORREF ScreenPixel(int x, int y)
{
    const ScreenImage& image = Current();
    if (x < 0 || y < 0 || x >= image.width || y >= image.height || image.pixels.empty()) return CLR_INVALID;
    DWORD pixel = image.pixels[size_t(y) * image.width + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

}  // namespace wincore
