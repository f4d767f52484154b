// Lines: MoveToEx, LineTo and Polyline, one pixel per step of the longer axis.
#include "gdi/lines.h"

#include <algorithm>
#include <cstdlib>

namespace wincore {

namespace {

constexpr int64_t kDashOn = 18;
constexpr int64_t kDashPeriod = 24;

// Steps k in [0, steps) whose coordinate start + sign * k lies in [low, high).
void StepsWithin(int64_t start, int64_t sign, int64_t steps, int64_t low, int64_t high, int64_t& first,
                 int64_t& last)
{
    first = sign > 0 ? low - start : start - high + 1;
    last = sign > 0 ? high - start : start - low + 1;
    first = std::max<int64_t>(first, 0);
    last = std::min(last, steps);
}

// The offset along one axis after k of `steps` steps: the exact position rounded to the nearest
// pixel, halves away from the start.
int64_t Offset(int64_t k, int64_t delta, int64_t steps)
{
    int64_t magnitude = (2 * k * std::abs(delta) + steps) / (2 * steps);
    return delta < 0 ? -magnitude : magnitude;
}

void Plot(DrawTarget& target, int64_t x, int64_t y, int width, COLORREF color)
{
    if (width > 1) {
        int64_t left = x - width / 2, top = y - width / 2;
        FillSolid(target, {int(left), int(top), int(left + width), int(top + width)}, color);
        return;
    }
    if (!pixman_region32_contains_point(&target.clip, int(x), int(y), nullptr)) return;
    auto* row = reinterpret_cast<uint8_t*>(pixman_image_get_data(target.image)) +
                ptrdiff_t(y) * pixman_image_get_stride(target.image);
    reinterpret_cast<uint32_t*>(row)[x] = PixelFromColor(color);
}

// A solid pen's line along an axis covers one box, from the plot of its first visible step to
// that of its last: filled at once rather than pixel by pixel.
void FillStraight(DrawTarget& target, const Pen& pen, LinePoint from, int64_t dx, int64_t dy, int64_t first,
                  int64_t last)
{
    if (first >= last) return;
    int64_t stepX = (dx > 0) - (dx < 0), stepY = (dy > 0) - (dy < 0);
    int64_t x1 = from.x + stepX * first, x2 = from.x + stepX * (last - 1);
    int64_t y1 = from.y + stepY * first, y2 = from.y + stepY * (last - 1);
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    int64_t size = pen.width > 1 ? pen.width : 1, half = pen.width > 1 ? pen.width / 2 : 0;
    FillSolid(target, {int(x1 - half), int(y1 - half), int(x2 - half + size), int(y2 - half + size)}, pen.color);
}

}  // namespace

bool InLineRange(const LinePoint& point)
{
    return std::abs(point.x) <= kMaxLineCoordinate && std::abs(point.y) <= kMaxLineCoordinate;
}

void DrawLine(DrawTarget& target, const Pen& pen, LinePoint from, LinePoint to, int64_t& dashPhase)
{
    int64_t dx = to.x - from.x, dy = to.y - from.y;
    int64_t steps = std::max(std::abs(dx), std::abs(dy));
    int64_t phase = dashPhase;
    dashPhase += steps;
    if (pen.style == PS_NULL || steps == 0) return;

    // Walk only the steps whose major coordinate can reach the clip.
    const pixman_box32_t* clip = pixman_region32_extents(&target.clip);
    bool xMajor = std::abs(dx) >= std::abs(dy);
    int64_t reach = pen.width / 2 + 1;
    int64_t first, last;
    if (xMajor)
        StepsWithin(from.x, dx > 0 ? 1 : -1, steps, clip->x1 - reach, clip->x2 + reach, first, last);
    else
        StepsWithin(from.y, dy > 0 ? 1 : -1, steps, clip->y1 - reach, clip->y2 + reach, first, last);

    // Wide dashed pens draw solid.
    bool dashed = pen.style == PS_DASH && pen.width == 1;
    if (!dashed && (dx == 0 || dy == 0)) {
        FillStraight(target, pen, from, dx, dy, first, last);
        return;
    }
    bool fillGaps = target.dc->bkMode == OPAQUE;
    for (int64_t k = first; k < last; k++) {
        int64_t x = from.x + Offset(k, dx, steps), y = from.y + Offset(k, dy, steps);
        if (!dashed || (phase + k) % kDashPeriod < kDashOn)
            Plot(target, x, y, pen.width, pen.color);
        else if (fillGaps)
            Plot(target, x, y, 1, target.dc->bkColor);
    }
}

}  // namespace wincore

using namespace wincore;

WINCORE_API BOOL WINAPI MoveToEx(HDC handle, int x, int y, LPPOINT previous)
{
    DC* dc = Lookup<DC>(handle);
    if (!dc) return FALSE;
    if (previous) *previous = dc->position;
    dc->position = {x, y};
    return TRUE;
}

WINCORE_API BOOL WINAPI LineTo(HDC handle, int x, int y)
{
    DC* dc = Lookup<DC>(handle);
    if (!dc) return FALSE;
    Pen* pen = Lookup<Pen>(dc->pen);
    DrawTarget target(handle);
    if (!pen || !target.valid()) return FALSE;
    LinePoint from{int64_t(dc->position.x) + target.dx, int64_t(dc->position.y) + target.dy};
    LinePoint to{int64_t(x) + target.dx, int64_t(y) + target.dy};
    if (!InLineRange(from) || !InLineRange(to)) return FALSE;
    int64_t phase = 0;
    DrawLine(target, *pen, from, to, phase);
    dc->position = {x, y};
    return TRUE;
}

WINCORE_API BOOL WINAPI Polyline(HDC handle, const POINT* points, int count)
{
    DC* dc = Lookup<DC>(handle);
    if (!dc || !points || count < 2) return FALSE;
    Pen* pen = Lookup<Pen>(dc->pen);
    DrawTarget target(handle);
    if (!pen || !target.valid()) return FALSE;
    auto at = [&](int i) { return LinePoint{int64_t(points[i].x) + target.dx, int64_t(points[i].y) + target.dy}; };
    for (int i = 0; i < count; i++)
        if (!InLineRange(at(i))) return FALSE;
    int64_t phase = 0;
    for (int i = 0; i + 1 < count; i++) DrawLine(target, *pen, at(i), at(i + 1), phase);
    return TRUE;
}
