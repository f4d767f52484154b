// Regions, clipping and the viewport origin.
#include "gdi/gdi.h"

using namespace wincore;

namespace {

// A rectangle in the DC's logical coordinates as a region in device coordinates.
Region DeviceRect(const DC* dc, int left, int top, int right, int bottom)
{
    POINT origin = dc->viewportOrg;
    return Region(pixman_box32_t{left + origin.x, top + origin.y, right + origin.x, bottom + origin.y});
}

int Complexity(const pixman_region32_t& region)
{
    int count = pixman_region32_n_rects(&region);
    return count == 0 ? NULLREGION : count == 1 ? SIMPLEREGION : COMPLEXREGION;
}

// The DC's clip in device coordinates, creating it from the DC's whole area when it has none.
Region& EnsureClip(DC* dc)
{
    if (!dc->clip) dc->clip.emplace(-kMaxBitmapSide, -kMaxBitmapSide, 3 * kMaxBitmapSide, 3 * kMaxBitmapSide);
    return *dc->clip;
}

}  // namespace

WINCORE_API HRGN WINAPI CreateRectRgn(int left, int top, int right, int bottom)
{
    auto region = std::make_unique<RegionObject>();
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    // The sides subtract as unsigned: from INT_MIN to INT_MAX does not fit an int.
    if (left < right && top < bottom)
        region->region = Region(left, top, unsigned(right) - unsigned(left), unsigned(bottom) - unsigned(top));
    return static_cast<HRGN>(Register(std::move(region))->handle);
}

WINCORE_API HRGN WINAPI CreateRectRgnIndirect(const RECT* rect)
{
    if (!rect) return nullptr;
    return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

WINCORE_API int WINAPI CombineRgn(HRGN dst, HRGN a, HRGN b, int mode)
{
    RegionObject* out = Lookup<RegionObject>(dst);
    RegionObject* first = Lookup<RegionObject>(a);
    RegionObject* second = mode == RGN_COPY ? first : Lookup<RegionObject>(b);
    if (!out || !first || !second) return ERROR;
    switch (mode) {
    case RGN_AND: pixman_region32_intersect(&out->region, &first->region, &second->region); break;
    case RGN_OR: pixman_region32_union(&out->region, &first->region, &second->region); break;
    case RGN_DIFF: pixman_region32_subtract(&out->region, &first->region, &second->region); break;
    case RGN_COPY: pixman_region32_copy(&out->region, &first->region); break;
    case RGN_XOR: {
        Region both, either;
        pixman_region32_intersect(&both, &first->region, &second->region);
        pixman_region32_union(&either, &first->region, &second->region);
        pixman_region32_subtract(&out->region, &either, &both);
        break;
    }
    default: return ERROR;
    }
    return Complexity(out->region);
}

WINCORE_API int WINAPI GetRgnBox(HRGN handle, LPRECT rect)
{
    RegionObject* region = Lookup<RegionObject>(handle);
    if (!region || !rect) return ERROR;
    pixman_box32_t* box = pixman_region32_extents(&region->region);
    *rect = {box->x1, box->y1, box->x2, box->y2};
    return Complexity(region->region);
}

WINCORE_API BOOL WINAPI PtInRegion(HRGN handle, int x, int y)
{
    RegionObject* region = Lookup<RegionObject>(handle);
    return region && pixman_region32_contains_point(&region->region, x, y, nullptr);
}

WINCORE_API int WINAPI SelectClipRgn(HDC handle, HRGN regionHandle)
{
    DC* dc = Lookup<DC>(handle);
    if (!dc) return ERROR;
    if (!regionHandle) {
        dc->clip.reset();
        return SIMPLEREGION;
    }
    RegionObject* region = Lookup<RegionObject>(regionHandle);
    if (!region) return ERROR;
    Region& clip = EnsureClip(dc);
    pixman_region32_copy(&clip, &region->region);
    return Complexity(clip);
}

WINCORE_API int WINAPI IntersectClipRect(HDC handle, int left, int top, int right, int bottom)
{
    DC* dc = Lookup<DC>(handle);
    if (!dc) return ERROR;
    Region& clip = EnsureClip(dc);
    clip.Intersect(DeviceRect(dc, left, top, right, bottom));
    return Complexity(clip);
}

WINCORE_API int WINAPI ExcludeClipRect(HDC handle, int left, int top, int right, int bottom)
{
    DC* dc = Lookup<DC>(handle);
    if (!dc) return ERROR;
    Region& clip = EnsureClip(dc);
    clip.Subtract(DeviceRect(dc, left, top, right, bottom));
    return Complexity(clip);
}

WINCORE_API int WINAPI GetClipBox(HDC handle, LPRECT rect)
{
    if (!rect) return ERROR;
    DrawTarget target(handle);
    if (!target.valid()) return ERROR;
    pixman_box32_t* box = pixman_region32_extents(&target.clip);
    *rect = {box->x1 - target.dx, box->y1 - target.dy, box->x2 - target.dx, box->y2 - target.dy};
    return Complexity(target.clip);
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
