#include "peer_scene.h"

namespace bench {

std::vector<uint32_t> KeyedPixels(HBITMAP bitmap, int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr), source = CreateCompatibleDC(nullptr);
    HBITMAP copy = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldCopy = SelectObject(dc, copy), oldSource = SelectObject(source, bitmap);
    BitBlt(dc, 0, 0, width, height, source, 0, 0, SRCCOPY);

    std::vector<uint32_t> pixels(size_t(width) * size_t(height));
    for (size_t i = 0; i < pixels.size(); i++) {
        const uint32_t pixel = static_cast<const uint32_t*>(bits)[i] & 0x00FFFFFF;
        pixels[i] = pixel == 0x00FF00FF ? 0 : (0xFF000000u | pixel);
    }

    SelectObject(source, oldSource);
    SelectObject(dc, oldCopy);
    DeleteObject(copy);
    DeleteDC(source);
    DeleteDC(dc);
    return pixels;
}

}  // namespace bench
