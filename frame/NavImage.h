// One decoded picture: loads from a file or a resource of the library, reports its size, and
// draws itself 1:1 or stretched from source coordinates given in pixels.
#pragma once

#include <windows.h>
#include <imaging.h>

#include "RKNavCtrlExApi.h"

// Pixels at `dpi` to HIMETRIC units (0.01 mm), truncated toward zero.
RKNAVCTRLEX_API LONG PixelsToHimetric(int pixels, double dpi);

class RKNAVCTRLEX_API CNavImage {
public:
    CNavImage() = default;
    ~CNavImage();
    CNavImage(const CNavImage&) = delete;
    CNavImage& operator=(const CNavImage&) = delete;

    int LoadFromFile(const WCHAR* path);
    int LoadFromResource(UINT resId, HINSTANCE module, const WCHAR* type);
    int GetWidth();
    int GetHeight();
    int Draw(HDC dc, int x, int y, int cx, int cy, int srcX, int srcY);
    int DrawStretch(HDC dc, int x, int y, int cx, int cy, int srcX, int srcY, int srcCx, int srcCy);
    void Unload();

private:
    bool IsLoaded() const { return pImage && loaded == 1; }
    int QueryInfo();
    LONG ToHimetricX(int pixels) const;
    LONG ToHimetricY(int pixels) const;

    IImage* pImage = nullptr;
    int loaded = 0;
    ImageInfo info;
};
