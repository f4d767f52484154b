// Compositing a decoded picture through GDI: a DIB section alpha-blended onto the DC.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "shared/imaging/backend.h"

namespace wincore {

namespace {

struct Span {
    double begin, end;
};

// The part of the source span inside the picture, and the destination span it maps onto.
bool VisibleSpans(Span source, UINT extent, Span destination, Span& visibleSource, Span& visibleDestination)
{
    double begin = std::max(source.begin, 0.0);
    double end = std::min(source.end, double(extent));
    if (begin >= end) return false;
    double scale = (destination.end - destination.begin) / (source.end - source.begin);
    visibleSource = {begin, end};
    visibleDestination = {std::round(destination.begin + (begin - source.begin) * scale),
                          std::round(destination.begin + (end - source.begin) * scale)};
    return visibleDestination.end > visibleDestination.begin;
}

HBITMAP SectionOf(const DecodedImage& picture, HDC dc)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = LONG(picture.width);
    info.bmiHeader.biHeight = -LONG(picture.height);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (section) std::memcpy(bits, picture.pixels.data(), picture.pixels.size() * 4);
    return section;
}

// The section lives only for the draw, so an image holds no GDI object between draws.
HRESULT Blend(const DecodedImage& picture, HDC dc, Span dx, Span dy, Span sx, Span sy)
{
    HDC memory = CreateCompatibleDC(dc);
    if (!memory) return E_HANDLE;
    HBITMAP section = SectionOf(picture, dc);
    HGDIOBJ old = section ? SelectObject(memory, section) : nullptr;
    BLENDFUNCTION over = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    BOOL done = old && AlphaBlend(dc, int(dx.begin), int(dy.begin), int(dx.end - dx.begin), int(dy.end - dy.begin),
                                  memory, int(sx.begin), int(sy.begin), int(sx.end - sx.begin),
                                  int(sy.end - sy.begin), over);
    if (old) SelectObject(memory, old);
    if (section) DeleteObject(section);
    DeleteDC(memory);
    return done ? S_OK : E_FAIL;
}

}  // namespace

HRESULT CompositePicture(const DecodedImage& picture, HDC dc, const RECT& destination, const PixelRect& from)
{
    if (GetObjectType(dc) != OBJ_DC && GetObjectType(dc) != OBJ_MEMDC) return E_HANDLE;
    Span toX = {double(destination.left), double(destination.right)};
    Span toY = {double(destination.top), double(destination.bottom)};
    Span sx, sy, dx, dy;
    if (!VisibleSpans({from.left, from.right}, picture.width, toX, sx, dx)) return S_OK;
    if (!VisibleSpans({from.top, from.bottom}, picture.height, toY, sy, dy)) return S_OK;
    return Blend(picture, dc, dx, dy, sx, sy);
}

}  // namespace wincore
