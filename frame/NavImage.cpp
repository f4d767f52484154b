#include "frame/NavImage.h"

#include <objbase.h>

#include <cstring>

#include "NavHandles.h"

#include "frame/Module.h"

namespace {

constexpr double kInchesPerMillimetre = 0.03937007874015748;

// A stream that owns a copy of the resource, so the block lives exactly as long as whoever reads it.
IStream* StreamOverCopy(const void* bytes, DWORD size)
{
    HLOCAL block = LocalAlloc(LMEM_MOVEABLE, size);
    if (!block) return nullptr;
    void* target = LocalLock(block);
    if (!target) {
        LocalFree(block);
        return nullptr;
    }
    std::memcpy(target, bytes, size);
    LocalUnlock(block);
    IStream* stream = nullptr;
    if (CreateStreamOnHGlobal(block, TRUE, &stream) != S_OK || !stream) {
        LocalFree(block);
        return nullptr;
    }
    return stream;
}

}  // namespace

// The order of operations is part of the contract: it makes the figures come out exactly.
LONG PixelsToHimetric(int pixels, double dpi)
{
    double pixelsPerMillimetre = dpi * kInchesPerMillimetre;
    double millimetresPerPixel = 1.0 / pixelsPerMillimetre;
    double himetric = (double(pixels) * millimetresPerPixel) * 100.0;
    // Coordinates far outside any picture must still convert without overflowing.
    if (himetric >= 2147483647.0) return 2147483647;
    if (himetric <= -2147483648.0) return LONG(-2147483647 - 1);
    return LONG(himetric);
}

CNavImage::~CNavImage()
{
    Unload();
}

int CNavImage::QueryInfo()
{
    if (pImage->GetImageInfo(&info) < 0) return 0;
    // A resolution of zero cannot be turned into HIMETRIC: such a picture is refused.
    if (!(info.Xdpi > 0.0) || !(info.Ydpi > 0.0)) {
        Unload();
        return 0;
    }
    loaded = 1;
    return 1;
}

int CNavImage::LoadFromFile(const WCHAR* path)
{
    if (pImage) return 1;
    IImagingFactory* factory = ImagingFactory();
    if (!factory || !path) return 0;
    if (factory->CreateImageFromFile(path, &pImage) != S_OK) return 0;
    if (!pImage) return 0;
    return QueryInfo();
}

int CNavImage::LoadFromResource(UINT resId, HINSTANCE module, const WCHAR* type)
{
    if (pImage) return 1;
    IImagingFactory* factory = ImagingFactory();
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(resId), type);
    if (!resource) return 0;
    DWORD size = SizeofResource(module, resource);
    if (size == 0) return 0;
    HGLOBAL data = LoadResource(module, resource);
    const void* bytes = data ? LockResource(data) : nullptr;
    if (!bytes || !factory) return 0;
    IStream* stream = StreamOverCopy(bytes, size);
    if (!stream) return 0;
    int result = 0;
    if (factory->CreateImageFromStream(stream, &pImage) == S_OK && pImage) result = QueryInfo();
    stream->Release();
    return result;
}

int CNavImage::GetWidth()
{
    return IsLoaded() ? int(info.Width) : 0;
}

int CNavImage::GetHeight()
{
    return IsLoaded() ? int(info.Height) : 0;
}

LONG CNavImage::ToHimetricX(int pixels) const
{
    return PixelsToHimetric(pixels, info.Xdpi);
}

LONG CNavImage::ToHimetricY(int pixels) const
{
    return PixelsToHimetric(pixels, info.Ydpi);
}

int CNavImage::Draw(HDC dc, int x, int y, int cx, int cy, int srcX, int srcY)
{
    if (!IsLoaded()) return 0;
    int width = int(info.Width), height = int(info.Height);
    int w = (width > cx && cx > 0) ? cx : width;
    int h = (height > cy && cy > 0) ? cy : height;
    RECT destination = {x, y, x + cx, y + cy};
    RECT source = {ToHimetricX(srcX), ToHimetricY(srcY), ToHimetricX(srcX + w), ToHimetricY(srcY + h)};
    pImage->Draw(dc, &destination, &source);
    return 1;
}

int CNavImage::DrawStretch(HDC dc, int x, int y, int cx, int cy, int srcX, int srcY, int srcCx, int srcCy)
{
    if (cx < 1 || cy < 1 || srcCx < 1 || srcCy < 1) return 0;
    if (!IsLoaded()) return 0;
    int w = int(info.Width) < srcCx ? int(info.Width) : srcCx;
    int h = int(info.Height) < srcCy ? int(info.Height) : srcCy;
    RECT destination = {x, y, x + cx, y + cy};
    RECT source = {ToHimetricX(srcX), ToHimetricY(srcY), ToHimetricX(srcX + w), ToHimetricY(srcY + h)};
    if (destination.right <= destination.left || destination.bottom <= destination.top) return 0;
    if (source.right <= source.left || source.bottom <= source.top) return 0;
    pImage->Draw(dc, &destination, &source);
    return 1;
}

void CNavImage::Unload()
{
    if (pImage) {
        pImage->Release();
        pImage = nullptr;
    }
    loaded = 0;
}

void navctrl::ReleasePicture::operator()(CNavImage* picture) const
{
    picture->Unload();
    delete picture;
}
