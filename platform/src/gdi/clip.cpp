// Regions, clipping and the viewport origin.
#include "gdi/gdi.h"

using namespace wincore;

namespace {

pixman_box32_t Box(int left, int top, int right, int bottom)
{
    return pixman_box32_t{left, top, right, bottom};
}

int Complexity(const pixman_region32_t* region)
{
    int count = pixman_region32_n_rects(const_cast<pixman_region32_t*>(region));
    return count == 0 ? NULLREGION : count == 1 ? SIMPLEREGION : COMPLEXREGION;
}

// The DC's clip in device coordinates, creating it from the DC's whole area when it has none.
pixman_region32_t* EnsureClip(DC* dc)
{
    if (!dc->hasClip) {
        pixman_region32_init_rect(&dc->clip, -kMaxBitmapSide, -kMaxBitmapSide, 3 * kMaxBitmapSide,
                                  3 * kMaxBitmapSide);
        dc->hasClip = true;
    }
    return &dc->clip;
}

}  // namespace

WINCORE_API HRGN WINAPI CreateRectRgn(int left, int top, int right, int bottom)
{
    auto region = std::make_unique<Region>();
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (left < right && top < bottom) pixman_region32_init_rect(&region->region, left, top, right - left, bottom - top);
    return static_cast<HRGN>(Register(std::move(region))->handle);
}

WINCORE_API HRGN WINAPI CreateRectRgnIndirect(const RECT* rect)
{
    if (!rect) return nullptr;
    return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

WINCORE_API int WINAPI CombineRgn(HRGN dst, HRGN a, HRGN b, int mode)
{
    Region* out = Lookup<Region>(dst);
    Region* first = Lookup<Region>(a);
    Region* second = mode == RGN_COPY ? first : Lookup<Region>(b);
    if (!out || !first || !second) return ERROR;
    switch (mode) {
    case RGN_AND: pixman_region32_intersect(&out->region, &first->region, &second->region); break;
    case RGN_OR: pixman_region32_union(&out->region, &first->region, &second->region); break;
    case RGN_DIFF: pixman_region32_subtract(&out->region, &first->region, &second->region); break;
    case RGN_COPY: pixman_region32_copy(&out->region, &first->region); break;
    case RGN_XOR: {
        pixman_region32_t both, either;
        pixman_region32_init(&both);
        pixman_region32_init(&either);
        pixman_region32_intersect(&both, &first->region, &second->region);
        pixman_region32_union(&either, &first->region, &second->region);
        pixman_region32_subtract(&out->region, &either, &both);
        pixman_region32_fini(&both);
        pixman_region32_fini(&either);
        break;
    }
    default: return ERROR;
    }
    return Complexity(&out->region);
}

WINCORE_API int WINAPI GetRgnBox(HRGN handle, LPRECT rect)
{
    Region* region = Lookup<Region>(handle);
    if (!region || !rect) return ERROR;
    pixman_box32_t* box = pixman_region32_extents(&region->region);
    *rect = {box->x1, box->y1, box->x2, box->y2};
    return Complexity(&region->region);
}

WINCORE_API BOOL WINAPI PtInRegion(HRGN handle, int x, int y)
{
    Region* region = Lookup<Region>(handle);
    return region && pixman_region32_contains_point(&region->region, x, y, nullptr);
}

WINCORE_API int WINAPI SelectClipRgn(HDC handle, HRGN regionHandle)
{
    DC* dc = Lookup<DC>(handle);
    if (!dc) return ERROR;
    if (!regionHandle) {
        if (dc->hasClip) pixman_region32_fini(&dc->clip);
        dc->hasClip = false;
        return SIMPLEREGION;
    }
    Region* region = Lookup<Region>(regionHandle);
    if (!region) return ERROR;
    pixman_region32_copy(EnsureClip(dc), &region->region);
    return Complexity(&dc->clip);
}

WINCORE_API int WINAPI IntersectClipRect(HDC handle, int left, int top, int right, int bottom)
{
    DC* dc = Lookup<DC>(handle);
    if (!dc) return ERROR;
    pixman_box32_t box = Box(left + dc->viewportOrg.x, top + dc->viewportOrg.y, right + dc->viewportOrg.x,
                             bottom + dc->viewportOrg.y);
    pixman_region32_t rect;
    pixman_region32_init_rects(&rect, &box, 1);
    pixman_region32_intersect(EnsureClip(dc), &dc->clip, &rect);
    pixman_region32_fini(&rect);
    return Complexity(&dc->clip);
}

WINCORE_API int WINAPI ExcludeClipRect(HDC handle, int left, int top, int right, int bottom)
{
    DC* dc = Lookup<DC>(handle);
    if (!dc) return ERROR;
    pixman_box32_t box = Box(left + dc->viewportOrg.x, top + dc->viewportOrg.y, right + dc->viewportOrg.x,
                             bottom + dc->viewportOrg.y);
    pixman_region32_t rect;
    pixman_region32_init_rects(&rect, &box, 1);
    pixman_region32_subtract(EnsureClip(dc), &dc->clip, &rect);
    pixman_region32_fini(&rect);
    return Complexity(&dc->clip);
}

WINCORE_API int WINAPI GetClipBox(HDC handle, LPRECT rect)
{
    if (!rect) return ERROR;
    DrawTarget target(handle);
    if (!target.valid()) return ERROR;
    pixman_box32_t* box = pixman_region32_extents(&target.clip);
    *rect = {box->x1 - target.dx, box->y1 - target.dy, box->x2 - target.dx, box->y2 - target.dy};
    return Complexity(&target.clip);
}

WINCORE_API BOOL WINAPI SetViewportOrgEx(HDC handle, int x, int y, LPPOINT previous)
{
    DC* dc = Lookup<DC>(handle);
    if (!dc) return FALSE;
    if (previous) *previous = dc->viewportOrg;
    dc->viewportOrg = {x, y};
    return TRUE;
}

WINCORE_API BOOL WINAPI GetViewportOrgEx(HDC handle, LPPOINT origin)
{
    DC* dc = Lookup<DC>(handle);
    if (!dc || !origin) return FALSE;
    *origin = dc->viewportOrg;
    return TRUE;
}

WINCORE_API BOOL WINAPI OffsetViewportOrgEx(HDC handle, int dx, int dy, LPPOINT previous)
{
    DC* dc = Lookup<DC>(handle);
    if (!dc) return FALSE;
    if (previous) *previous = dc->viewportOrg;
    dc->viewportOrg.x += dx;
    dc->viewportOrg.y += dy;
    return TRUE;
}
