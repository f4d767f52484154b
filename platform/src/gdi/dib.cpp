// Drawing DIBs from the caller's memory: StretchDIBits and SetDIBitsToDevice.
#include <algorithm>
#include <cstdint>

#include "gdi/dib.h"
#include "gdi/scale.h"

using namespace wincore;

namespace {

// A source rectangle in DIB coordinates as a rectangle of the DIB's top-down image: a bottom-up
// DIB counts from its bottom-left corner upwards, a top-down one from its top-left corner.
ScaleRect ImageRect(const DibFormat& format, int64_t x, int64_t y, int64_t width, int64_t height)
{
    if (format.topDown) return {x, y, width, height};
    return {x, int64_t(format.height) - y - height, width, height};
}

// The part of the DIB that `rect` (image coordinates, extents of either sign) covers.
RECT Covered(const DibFormat& format, const ScaleRect& rect)
{
    int64_t left = std::min(rect.x, rect.x + rect.width), right = std::max(rect.x, rect.x + rect.width);
    int64_t top = std::min(rect.y, rect.y + rect.height), bottom = std::max(rect.y, rect.y + rect.height);
    left = std::max<int64_t>(left, 0), top = std::max<int64_t>(top, 0);
    right = std::min<int64_t>(right, format.width), bottom = std::min<int64_t>(bottom, format.height);
    if (left >= right || top >= bottom) return {0, 0, 0, 0};
    return {LONG(left), LONG(top), LONG(right), LONG(bottom)};
}

// Converts the covered part of the DIB and scales it onto the target; the number of DIB rows
// drawn from, 0 when the rectangle covers none or cannot be drawn.
int DrawDib(DrawTarget& target, ScaleRect to, const DibFormat& format, const uint8_t* bits, ScaleRect from,
            ScaleFilter filter)
{
    RECT area = Covered(format, from);
    int width = area.right - area.left, height = area.bottom - area.top;
    if (height == 0) return 0;
    pixman_image_t* pixels = pixman_image_create_bits(PIXMAN_x8r8g8b8, width, height, nullptr, 0);
    if (!pixels) return 0;
    ConvertDib(format, bits, area, pixels);
    from.x -= area.left;
    from.y -= area.top;
    to.x += target.dx;
    to.y += target.dy;
    bool drawn = ScalePixels(target.image, target.clip, to, {pixels, {0, 0, width, height}}, from, filter);
    pixman_image_unref(pixels);
    return drawn ? height : 0;
}

}  // namespace

WINCORE_API int WINAPI StretchDIBits(HDC dc, int x, int y, int width, int height, int srcX, int srcY, int srcWidth,
                                     int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop)
{
    if (!Lookup<DC>(dc)) return 0;
    DibFormat format;
    if (!bits || usage != DIB_RGB_COLORS || !ReadDibFormat(info, SIZE_MAX, format)) return 0;
    ScaleRect from = ImageRect(format, srcX, srcY, srcWidth, srcHeight);
    if (rop != SRCCOPY) {
        RECT area = Covered(format, from);
        return PatBlt(dc, x, y, width, height, rop) ? area.bottom - area.top : 0;
    }
    DrawTarget target(dc);
    if (!target.valid()) return 0;
    return DrawDib(target, {x, y, width, height}, format, static_cast<const uint8_t*>(bits), from,
                   FilterForMode(target.dc->stretchMode));
}

WINCORE_API int WINAPI SetDIBitsToDevice(HDC dc, int x, int y, DWORD width, DWORD height, int srcX, int srcY,
                                         UINT startScan, UINT scanLines, const void* bits, const BITMAPINFO* info,
                                         UINT usage)
{
    if (!Lookup<DC>(dc)) return 0;
    DibFormat format;
    if (!bits || usage != DIB_RGB_COLORS || !ReadDibFormat(info, SIZE_MAX, format)) return 0;
    if (startScan >= UINT(format.height) || scanLines == 0) return 0;
    // `bits` holds rows startScan onwards, counted in the DIB's own order: treat them as a DIB of
    // their own and move the source rectangle into it.
    DibFormat band = format;
    band.height = int(std::min<UINT>(scanLines, UINT(format.height) - startScan));
    ScaleRect from = ImageRect(band, srcX, int64_t(srcY) - startScan, width, height);
    DrawTarget target(dc);
    if (!target.valid()) return 0;
    return DrawDib(target, {x, y, width, height}, band, static_cast<const uint8_t*>(bits), from,
                   ScaleFilter::Nearest);
}
