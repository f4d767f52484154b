// Scaled copies: exact integer sampling for the nearest modes, pixman filters for the smooth one.
#include "gdi/scale.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace wincore {

namespace {

// Shrinking averages at most this many source pixels per destination pixel along an axis; beyond
// it the filter would cost more than it shows.
constexpr double kMaxAverageSpan = 16.0;
constexpr int kSubsampleBits = 4;

// One axis of a scaled copy, normalised to positive extents.
struct Axis {
    int64_t dst = 0;
    int64_t dstLength = 0;
    int64_t src = 0;
    int64_t srcLength = 0;
    bool mirrored = false;

    // The source pixel under the centre of destination pixel dst + i.
    int64_t Sample(int64_t i) const
    {
        int64_t k = (2 * i + 1) * srcLength / (2 * dstLength);
        return src + (mirrored ? srcLength - 1 - k : k);
    }
    double Ratio() const { return double(srcLength) / double(dstLength); }
};

Axis MakeAxis(int64_t dst, int64_t dstLength, int64_t src, int64_t srcLength)
{
    Axis axis;
    if (dstLength < 0) {
        dst += dstLength;
        dstLength = -dstLength;
        axis.mirrored = true;
    }
    if (srcLength < 0) {
        src += srcLength;
        srcLength = -srcLength;
        axis.mirrored = !axis.mirrored;
    }
    axis.dst = dst;
    axis.dstLength = dstLength;
    axis.src = src;
    axis.srcLength = srcLength;
    return axis;
}

// Destination pixels [first, last) of one axis.
struct Span {
    int64_t first = 0;
    int64_t last = 0;
    bool empty() const { return first >= last; }
    int64_t length() const { return last - first; }
};

// The destination pixels of an axis within [low, high) whose sample lies in [srcLow, srcHigh).
// Samples move monotonically, so the pixels that miss the source are at the ends.
Span Visible(const Axis& axis, int64_t low, int64_t high, int64_t srcLow, int64_t srcHigh)
{
    Span span{std::max(axis.dst, low), std::min(axis.dst + axis.dstLength, high)};
    auto inside = [&](int64_t d) {
        int64_t s = axis.Sample(d - axis.dst);
        return s >= srcLow && s < srcHigh;
    };
    while (!span.empty() && !inside(span.first)) span.first++;
    while (!span.empty() && !inside(span.last - 1)) span.last--;
    return span;
}

bool InRange(const ScaleRect& rect)
{
    return std::abs(rect.width) <= kMaxScaleExtent && std::abs(rect.height) <= kMaxScaleExtent &&
           std::abs(rect.x) <= kMaxScaleExtent && std::abs(rect.y) <= kMaxScaleExtent;
}

uint32_t* RowOf(pixman_image_t* image, int64_t y)
{
    auto* data = reinterpret_cast<uint8_t*>(pixman_image_get_data(image));
    return reinterpret_cast<uint32_t*>(data + y * pixman_image_get_stride(image));
}

// The pixels of `area` (source image coordinates) as an image of their own: a view sharing the
// source's memory, or a copy when the copy would otherwise read what it is overwriting.
pixman_image_t* CutOut(pixman_image_t* source, const RECT& area, bool copy)
{
    int width = area.right - area.left, height = area.bottom - area.top;
    if (copy) {
        pixman_image_t* image = pixman_image_create_bits(PIXMAN_x8r8g8b8, width, height, nullptr, 0);
        if (image)
            pixman_image_composite32(PIXMAN_OP_SRC, source, nullptr, image, area.left, area.top, 0, 0, 0, 0, width,
                                     height);
        return image;
    }
    auto* first = reinterpret_cast<uint8_t*>(RowOf(source, area.top)) + ptrdiff_t(area.left) * 4;
    return pixman_image_create_bits(pixman_image_get_format(source), width, height,
                                    reinterpret_cast<uint32_t*>(first), pixman_image_get_stride(source));
}

// The source pixels that the destination spans sample.
RECT SampledArea(const Axis& ax, const Axis& ay, const Span& xs, const Span& ys)
{
    int64_t x1 = ax.Sample(xs.first - ax.dst), x2 = ax.Sample(xs.last - 1 - ax.dst);
    int64_t y1 = ay.Sample(ys.first - ay.dst), y2 = ay.Sample(ys.last - 1 - ay.dst);
    return {LONG(std::min(x1, x2)), LONG(std::min(y1, y2)), LONG(std::max(x1, x2) + 1), LONG(std::max(y1, y2) + 1)};
}

// A row of contiguous source pixels, the key colour left out; written as a select so that it
// vectorises.
void CopyKeyed(const uint32_t* from, uint32_t* to, int count, uint32_t keyColor)
{
    for (int i = 0; i < count; i++) to[i] = (from[i] & 0xFFFFFF) != keyColor ? from[i] : to[i];
}

void CopyColumns(const uint32_t* from, const int64_t* columns, uint32_t* to, int count, std::optional<uint32_t> key,
                 uint32_t keyColor)
{
    for (int i = 0; i < count; i++) {
        uint32_t pixel = from[columns[i]];
        if (!key || (pixel & 0xFFFFFF) != keyColor) to[i] = pixel;
    }
}

void NearestCopy(pixman_image_t* dst, const pixman_region32_t& clip, const Axis& ax, const Axis& ay, const Span& xs,
                 const Span& ys, const ScaleSource& source, std::optional<uint32_t> key)
{
    // Reading the destination image while writing it needs a copy of what is read.
    RECT origin = {0, 0, 0, 0};
    pixman_image_t* pixels = source.image;
    if (source.image == dst) {
        origin = SampledArea(ax, ay, xs, ys);
        pixels = CutOut(source.image, origin, true);
        if (!pixels) return;
    }
    std::vector<int64_t> columns(size_t(xs.length()));
    for (int64_t x = xs.first; x < xs.last; x++)
        columns[size_t(x - xs.first)] = ax.Sample(x - ax.dst) - origin.left;
    uint32_t keyColor = key.value_or(0) & 0xFFFFFF;

    // Without a key a row is a plain copy: of the source row where the columns run one to one, of
    // the row above where both sample the same source row.
    const bool straight = !ax.mirrored && ax.srcLength == ax.dstLength;
    Region area(int(xs.first), int(ys.first), unsigned(xs.length()), unsigned(ys.length()));
    area.Intersect(clip);
    int count = 0;
    const pixman_box32_t* boxes = pixman_region32_rectangles(&area, &count);
    for (const pixman_box32_t* box = boxes; box < boxes + count; box++) {
        const size_t rowBytes = size_t(box->x2 - box->x1) * sizeof(uint32_t);
        int64_t previous = -1;
        for (int y = box->y1; y < box->y2; y++) {
            const int64_t sourceRow = ay.Sample(y - ay.dst) - origin.top;
            uint32_t* to = RowOf(dst, y) + box->x1;
            if (!key && sourceRow == previous) {
                std::memcpy(to, RowOf(dst, y - 1) + box->x1, rowBytes);
                continue;
            }
            previous = sourceRow;
            const uint32_t* from = RowOf(pixels, sourceRow);
            const int64_t* column = &columns[size_t(box->x1 - xs.first)];
            if (straight && !key)
                std::memcpy(to, from + column[0], rowBytes);
            else if (straight)
                CopyKeyed(from + column[0], to, box->x2 - box->x1, keyColor);
            else
                CopyColumns(from, column, to, box->x2 - box->x1, key, keyColor);
        }
    }
    if (pixels != source.image) pixman_image_unref(pixels);
}

// Fills one row of the destination-to-source transform: destination pixel `first` + p (p counted
// from pixman's pixel centres) lands on the source position of that axis, relative to `origin`.
void SetAxis(double row[3], int column, const Axis& axis, int64_t first, int64_t origin)
{
    double ratio = axis.Ratio();
    double skipped = double(first - axis.dst) * ratio;
    double start = double(axis.src - origin);
    row[column] = axis.mirrored ? -ratio : ratio;
    row[2] = axis.mirrored ? start + double(axis.srcLength) - skipped : start + skipped;
}

// Bilinear where both axes enlarge (exact at 1:1); where an axis shrinks, the area of the
// destination pixel is averaged over the source pixels it covers. The convolution samples its
// kernels at quantised phases, so an axis copied one to one takes whole pixels (a box sampled at
// one point) to stay sharp.
void SetSmoothFilter(pixman_image_t* image, double rx, double ry)
{
    if (rx <= 1.0 && ry <= 1.0) {
        pixman_image_set_filter(image, PIXMAN_FILTER_BILINEAR, nullptr, 0);
        return;
    }
    auto reconstruct = [](double r) { return r < 1.0 ? PIXMAN_KERNEL_LINEAR : PIXMAN_KERNEL_BOX; };
    auto sample = [](double r) { return r <= 1.0 ? PIXMAN_KERNEL_IMPULSE : PIXMAN_KERNEL_BOX; };
    auto scale = [](double r) { return pixman_double_to_fixed(std::clamp(r, 1.0, kMaxAverageSpan)); };
    int count = 0;
    pixman_fixed_t* params = pixman_filter_create_separable_convolution(
        &count, scale(rx), scale(ry), reconstruct(rx), reconstruct(ry), sample(rx), sample(ry), kSubsampleBits,
        kSubsampleBits);
    if (!params) {
        pixman_image_set_filter(image, PIXMAN_FILTER_BILINEAR, nullptr, 0);
        return;
    }
    pixman_image_set_filter(image, PIXMAN_FILTER_SEPARABLE_CONVOLUTION, params, count);
    free(params);
}

// False when the scale cannot be expressed to pixman; the caller then samples nearest.
bool SmoothCopy(pixman_image_t* dst, const Axis& ax, const Axis& ay, const Span& xs, const Span& ys,
                const ScaleSource& source)
{
    // The filter reads only inside the source rectangle and pads at its edges, so no pixel
    // beside the rectangle bleeds in.
    RECT area = {LONG(std::max<int64_t>(ax.src, source.bounds.left)),
                 LONG(std::max<int64_t>(ay.src, source.bounds.top)),
                 LONG(std::min<int64_t>(ax.src + ax.srcLength, source.bounds.right)),
                 LONG(std::min<int64_t>(ay.src + ay.srcLength, source.bounds.bottom))};
    pixman_f_transform forward;
    pixman_f_transform_init_identity(&forward);
    SetAxis(forward.m[0], 0, ax, xs.first, area.left);
    SetAxis(forward.m[1], 1, ay, ys.first, area.top);
    pixman_transform transform;
    if (!pixman_transform_from_pixman_f_transform(&transform, &forward)) return false;

    pixman_image_t* patch = CutOut(source.image, area, source.image == dst);
    if (!patch) return false;
    pixman_image_set_transform(patch, &transform);
    pixman_image_set_repeat(patch, PIXMAN_REPEAT_PAD);
    SetSmoothFilter(patch, ax.Ratio(), ay.Ratio());
    pixman_image_composite32(PIXMAN_OP_SRC, patch, nullptr, dst, 0, 0, 0, 0, int(xs.first), int(ys.first),
                             int(xs.length()), int(ys.length()));
    pixman_image_unref(patch);
    return true;
}

}  // namespace

ScaleFilter FilterForMode(int stretchMode)
{
    return stretchMode == HALFTONE ? ScaleFilter::Smooth : ScaleFilter::Nearest;
}

bool ScalePixels(pixman_image_t* dst, const pixman_region32_t& clip, const ScaleRect& to, const ScaleSource& source,
                 const ScaleRect& from, ScaleFilter filter, std::optional<uint32_t> key)
{
    if (!InRange(to) || !InRange(from)) return false;
    if (!to.width || !to.height || !from.width || !from.height) return true;
    if (PIXMAN_FORMAT_BPP(pixman_image_get_format(source.image)) != 32) return false;

    Axis ax = MakeAxis(to.x, to.width, from.x, from.width);
    Axis ay = MakeAxis(to.y, to.height, from.y, from.height);
    const pixman_box32_t* extents = pixman_region32_extents(&clip);
    Span xs = Visible(ax, extents->x1, extents->x2, source.bounds.left, source.bounds.right);
    Span ys = Visible(ay, extents->y1, extents->y2, source.bounds.top, source.bounds.bottom);
    if (xs.empty() || ys.empty()) return true;

    if (filter == ScaleFilter::Smooth && !key && SmoothCopy(dst, ax, ay, xs, ys, source)) return true;
    NearestCopy(dst, clip, ax, ay, xs, ys, source, key);
    return true;
}

}  // namespace wincore
