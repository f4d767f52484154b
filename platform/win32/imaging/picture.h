// A picture decoded into memory by the Windows Imaging Component, and what is done with it.
#pragma once

#include <vector>

#include <windows.h>
#include <imaging.h>

namespace navimaging {

constexpr double kDefaultDpi = 96.0;
constexpr double kHimetricPerInch = 2540.0;

struct Picture {
    UINT width = 0;
    UINT height = 0;
    std::vector<DWORD> pixels;  // premultiplied BGRA, top row first: what AlphaBlend takes
    double xdpi = kDefaultDpi;
    double ydpi = kDefaultDpi;
    GUID format = {};
    UINT flags = 0;
};

// Decodes a complete PNG, BMP or JPEG file held in memory; E_FAIL for anything else.
HRESULT DecodePicture(const BYTE* data, size_t size, Picture& picture);

// Composites `source` (HIMETRIC, NULL for the whole picture) scaled into `destination` (device
// pixels), alpha over what is there. The part of the source outside the picture draws nothing.
HRESULT DrawPicture(const Picture& picture, HDC dc, const RECT& destination, const RECT* source);

// An IImage that owns `picture`; it holds `source` (may be NULL) as long as it lives.
IImage* MakeImage(Picture&& picture, IStream* source);

}  // namespace navimaging
