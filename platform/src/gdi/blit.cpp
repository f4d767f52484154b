// Solid fills, block transfers and single pixels.
#include <algorithm>

#include "gdi/gdi.h"

using namespace wincore;

namespace {

// Copies `width` x `height` pixels from (sx, sy) of `source` to (x, y) of the target, limited to
// the part of the source rectangle that lies inside `bounds`.
void CopyPixels(DrawTarget& target, pixman_image_t* source, const RECT& bounds, int x, int y, int sx, int sy,
                int width, int height)
{
    int left = std::max<int>(sx, bounds.left), top = std::max<int>(sy, bounds.top);
    int right = std::min<int>(sx + width, bounds.right), bottom = std::min<int>(sy + height, bounds.bottom);
    if (left >= right || top >= bottom) return;
    x += left - sx;
    y += top - sy;
    if (source != target.image) {
        pixman_image_composite32(PIXMAN_OP_SRC, source, nullptr, target.image, left, top, 0, 0, x, y, right - left,
                                 bottom - top);
        return;
    }
    // Overlapping copies within one image go through a scratch copy.
    pixman_image_t* scratch = pixman_image_create_bits(PIXMAN_x8r8g8b8, right - left, bottom - top, nullptr, 0);
    if (!scratch) return;
    pixman_image_composite32(PIXMAN_OP_SRC, source, nullptr, scratch, left, top, 0, 0, 0, 0, right - left,
                             bottom - top);
    pixman_image_composite32(PIXMAN_OP_SRC, scratch, nullptr, target.image, 0, 0, 0, 0, x, y, right - left,
                             bottom - top);
    pixman_image_unref(scratch);
}

void InvertPixels(DrawTarget& target, const pixman_box32_t& box)
{
    // Inverting is a XOR with white; pixman's DIFFERENCE-free way is a per-pixel pass over the clip.
    Region area(box);
    area.Intersect(target.clip);
    int count = 0;
    pixman_box32_t* boxes = pixman_region32_rectangles(&area, &count);
    uint32_t* data = pixman_image_get_data(target.image);
    int stride = pixman_image_get_stride(target.image) / 4;
    for (int i = 0; i < count; i++)
        for (int row = boxes[i].y1; row < boxes[i].y2; row++)
            for (int column = boxes[i].x1; column < boxes[i].x2; column++) data[row * stride + column] ^= 0x00FFFFFF;
}

pixman_box32_t ImageBox(const DrawTarget& target, int x, int y, int width, int height)
{
    return pixman_box32_t{x + target.dx, y + target.dy, x + width + target.dx, y + height + target.dy};
}

}  // namespace

WINCORE_API int WINAPI FillRect(HDC dc, const RECT* rect, HBRUSH handle)
{
    Brush* brush = Lookup<Brush>(handle);
    if (!rect || !brush) return 0;
    DrawTarget target(dc, brush->hollow ? nullptr : rect);
    if (!target.valid()) return 0;
    if (!brush->hollow)
        FillSolid(target, ImageBox(target, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top),
                  brush->color);
    return 1;
}

WINCORE_API BOOL WINAPI InvertRect(HDC dc, const RECT* rect)
{
    if (!rect) return FALSE;
    DrawTarget target(dc);
    if (!target.valid()) return FALSE;
    InvertPixels(target, ImageBox(target, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top));
    return TRUE;
}

WINCORE_API BOOL WINAPI PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop)
{
    DrawTarget target(dc);
    if (!target.valid()) return FALSE;
    if (width < 0) x += width, width = -width;
    if (height < 0) y += height, height = -height;
    pixman_box32_t box = ImageBox(target, x, y, width, height);
    switch (rop) {
    case BLACKNESS: FillSolid(target, box, RGB(0, 0, 0)); return TRUE;
    case WHITENESS: FillSolid(target, box, RGB(255, 255, 255)); return TRUE;
    case DSTINVERT: InvertPixels(target, box); return TRUE;
    case PATCOPY: {
        Brush* brush = Lookup<Brush>(target.dc->brush);
        if (brush && !brush->hollow) FillSolid(target, box, brush->color);
        return TRUE;
    }
    default: return FALSE;
    }
}

WINCORE_API BOOL WINAPI BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop)
{
    if (rop != SRCCOPY) return PatBlt(dst, x, y, width, height, rop);
    SourceView source;
    if (!ReadSource(src, source)) return FALSE;
    const RECT to = SpanRect(x, y, width, height);
    const bool whole = width > 0 && height > 0 && ReadsWholly(source, srcX, srcY, width, height);
    DrawTarget target(dst, whole ? &to : nullptr);
    if (!target.valid()) return FALSE;
    if (width <= 0 || height <= 0) return TRUE;
    CopyPixels(target, source.image, source.bounds, x + target.dx, y + target.dy, srcX + source.dx,
               srcY + source.dy, width, height);
    return TRUE;
}

WINCORE_API COLORREF WINAPI GetPixel(HDC dc, int x, int y)
{
    SourceView source;
    if (!ReadSource(dc, source)) return CLR_INVALID;
    POINT at = {x + source.dx, y + source.dy};
    if (!PtInRect(&source.bounds, at)) return CLR_INVALID;
    uint32_t* data = pixman_image_get_data(source.image);
    int stride = pixman_image_get_stride(source.image) / 4;
    return ColorFromPixel(data[at.y * stride + at.x]);
}

WINCORE_API COLORREF WINAPI SetPixel(HDC dc, int x, int y, COLORREF color)
{
    DrawTarget target(dc);
    if (!target.valid()) return CLR_INVALID;
    int px = x + target.dx, py = y + target.dy;
    if (!pixman_region32_contains_point(&target.clip, px, py, nullptr)) return CLR_INVALID;
    uint32_t* data = pixman_image_get_data(target.image);
    data[py * (pixman_image_get_stride(target.image) / 4) + px] = PixelFromColor(color);
    return color & 0xFFFFFF;
}
