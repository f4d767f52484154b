// Rectangles: Rectangle (pen outline, brush inside) and FrameRect (a one-pixel brush border).
#include <algorithm>
#include <utility>

#include "gdi/lines.h"

using namespace wincore;

namespace {

constexpr int64_t kBoxLimit = int64_t(1) << 30;

pixman_box32_t ClampedBox(int64_t left, int64_t top, int64_t right, int64_t bottom)
{
    auto clamp = [](int64_t v) { return int(std::clamp(v, -kBoxLimit, kBoxLimit)); };
    return {clamp(left), clamp(top), clamp(right), clamp(bottom)};
}

}  // namespace

WINCORE_API BOOL WINAPI Rectangle(HDC handle, int left, int top, int right, int bottom)
{
    DC* dc = Lookup<DC>(handle);
    if (!dc) return FALSE;
    Pen* pen = Lookup<Pen>(dc->pen);
    Brush* brush = Lookup<Brush>(dc->brush);
    DrawTarget target(handle);
    if (!pen || !brush || !target.valid()) return FALSE;
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    LinePoint topLeft{int64_t(left) + target.dx, int64_t(top) + target.dy};
    LinePoint bottomRight{int64_t(right) + target.dx - 1, int64_t(bottom) + target.dy - 1};
    if (!InLineRange(topLeft) || !InLineRange(bottomRight)) return FALSE;
    if (right == left || bottom == top) return TRUE;

    bool outlined = pen->style != PS_NULL;
    if (!brush->hollow) {
        // Without an outline the figure still ends one pixel short of right and bottom.
        int64_t inset = outlined ? 1 : 0;
        FillSolid(target, ClampedBox(topLeft.x + inset, topLeft.y + inset, bottomRight.x, bottomRight.y),
                  brush->color);
    }
    if (!outlined) return TRUE;
    LinePoint corners[] = {topLeft, {bottomRight.x, topLeft.y}, bottomRight, {topLeft.x, bottomRight.y}, topLeft};
    int64_t phase = 0;
    for (int i = 0; i < 4; i++) DrawLine(target, *pen, corners[i], corners[i + 1], phase);
    return TRUE;
}

WINCORE_API int WINAPI FrameRect(HDC dc, const RECT* rect, HBRUSH handle)
{
    Brush* brush = Lookup<Brush>(handle);
    if (!rect || !brush) return 0;
    DrawTarget target(dc);
    if (!target.valid()) return 0;
    if (brush->hollow || rect->right <= rect->left || rect->bottom <= rect->top) return 1;
    int64_t left = int64_t(rect->left) + target.dx, top = int64_t(rect->top) + target.dy;
    int64_t right = int64_t(rect->right) + target.dx, bottom = int64_t(rect->bottom) + target.dy;
    pixman_box32_t sides[] = {
        ClampedBox(left, top, right, top + 1),
        ClampedBox(left, bottom - 1, right, bottom),
        ClampedBox(left, top + 1, left + 1, bottom - 1),
        ClampedBox(right - 1, top + 1, right, bottom - 1),
    };
    for (const pixman_box32_t& side : sides) FillSolid(target, side, brush->color);
    return 1;
}
