// Compositing a decoded picture through pixman: bilinear when scaling (sampled once along an axis
// the picture does not change on, kept when drawn again alike), pixel for pixel at 1:1.
#include <algorithm>
#include <cmath>

#include "gdi/gdi.h"
#include "imaging/flat_stretch.h"
#include "imaging/rendition_cache.h"
#include "shared/imaging/backend.h"

namespace wincore {

namespace {

// Beyond this many source pixels per destination pixel the whole picture shrinks below one pixel,
// and the scale would no longer fit pixman's fixed-point transform.
constexpr double kMaxShrink = 16384.0;

// Destination pixels whose centres fall on the picture's part of the source span, clipped to
// [clipBegin, clipEnd). False when nothing is left to draw on this axis.
bool PlanAxis(double dstBegin, double dstEnd, double srcBegin, double srcEnd, UINT extent, int clipBegin,
              int clipEnd, AxisPlan& plan)
{
    double dstSize = dstEnd - dstBegin;
    double srcSize = srcEnd - srcBegin;
    plan.scale = srcSize / dstSize;
    if (plan.scale > kMaxShrink) return false;
    double visibleBegin = std::max(srcBegin, 0.0);
    double visibleEnd = std::min(srcEnd, double(extent));
    if (visibleBegin >= visibleEnd) return false;
    double first = std::ceil(dstBegin + (visibleBegin - srcBegin) * dstSize / srcSize - 0.5);
    double last = std::ceil(dstBegin + (visibleEnd - srcBegin) * dstSize / srcSize - 0.5);
    first = std::max(first, double(clipBegin));
    last = std::min(last, double(clipEnd));
    if (first >= last) return false;
    plan.dstBegin = int(first);
    plan.dstEnd = int(last);
    plan.srcBegin = int(visibleBegin);
    plan.srcEnd = int(visibleEnd);
    plan.offset = (first - dstBegin) * plan.scale + srcBegin - visibleBegin;
    return true;
}

bool PixelForPixel(const AxisPlan& plan)
{
    return plan.scale == 1.0 && plan.offset == std::floor(plan.offset);
}

// Samples the source between its pixel centres; PAD keeps the pixels just outside the source
// rectangle (a neighbouring cell of a strip) out of its edges.
void SetScaling(pixman_image_t* source, const AxisPlan& x, const AxisPlan& y)
{
    pixman_transform_t transform;
    pixman_transform_init_identity(&transform);
    transform.matrix[0][0] = pixman_double_to_fixed(x.scale);
    transform.matrix[0][2] = pixman_double_to_fixed(x.offset);
    transform.matrix[1][1] = pixman_double_to_fixed(y.scale);
    transform.matrix[1][2] = pixman_double_to_fixed(y.offset);
    pixman_image_set_transform(source, &transform);
    pixman_image_set_filter(source, PIXMAN_FILTER_BILINEAR, nullptr, 0);
    pixman_image_set_repeat(source, PIXMAN_REPEAT_PAD);
}

HRESULT Composite(const DecodedImage& image, pixman_image_t* target, const AxisPlan& x, const AxisPlan& y)
{
    // A view of the source rectangle's pixels, not a copy; pixman only reads a source.
    uint32_t* first = const_cast<uint32_t*>(&image.pixels[size_t(y.srcBegin) * image.width + size_t(x.srcBegin)]);
    pixman_image_t* source = pixman_image_create_bits(PIXMAN_a8r8g8b8, x.srcEnd - x.srcBegin, y.srcEnd - y.srcBegin,
                                                      first, int(image.width * 4));
    if (!source) return E_OUTOFMEMORY;
    int sourceX = 0;
    int sourceY = 0;
    bool drawn = false;
    if (PixelForPixel(x) && PixelForPixel(y)) {
        sourceX = int(x.offset);
        sourceY = int(y.offset);
    } else {
        SetScaling(source, x, y);
        const PixelView pixels = {first, x.srcEnd - x.srcBegin, y.srcEnd - y.srcBegin, int(image.width)};
        drawn = CompositeFlat(pixels, source, target, pixman_box32_t{x.dstBegin, y.dstBegin, x.dstEnd, y.dstEnd}) ||
                CompositeKept(ScaledDraw{image.serial, image.pixels.data(), x, y}, source, target);
    }
    if (!drawn)
        pixman_image_composite32(PIXMAN_OP_OVER, source, nullptr, target, sourceX, sourceY, 0, 0, x.dstBegin,
                                 y.dstBegin, x.dstEnd - x.dstBegin, y.dstEnd - y.dstBegin);
    pixman_image_unref(source);
    return S_OK;
}

}  // namespace

HRESULT CompositePicture(const DecodedImage& image, HDC dc, const RECT& destination, const PixelRect& from)
{
    DrawTarget target(dc);
    if (!target.valid()) return E_HANDLE;
    const pixman_box32_t* clip = pixman_region32_extents(&target.clip);
    AxisPlan x;
    AxisPlan y;
    bool visible =
        PlanAxis(double(destination.left) + target.dx, double(destination.right) + target.dx, from.left, from.right,
                 image.width, clip->x1, clip->x2, x) &&
        PlanAxis(double(destination.top) + target.dy, double(destination.bottom) + target.dy, from.top, from.bottom,
                 image.height, clip->y1, clip->y2, y);
    return visible ? Composite(image, target.image, x, y) : S_OK;
}

}  // namespace wincore
