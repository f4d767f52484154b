// Update regions, WM_PAINT scheduling, paint and window DCs, and the pixels a window draws on.
#include <algorithm>

#include "gdi/gdi.h"
#include "window/manager.h"

namespace wincore {

namespace {

pixman_box32_t ClientBox(const Window* window)
{
    return pixman_box32_t{0, 0, window->Width(), window->Height()};
}

// An inverted rectangle is empty. The sides subtract as unsigned: INT_MIN to INT_MAX does not fit an int.
Region RectRegion(const RECT& rect)
{
    return Region(rect.left, rect.top, rect.right > rect.left ? unsigned(rect.right) - unsigned(rect.left) : 0u,
                  rect.bottom > rect.top ? unsigned(rect.bottom) - unsigned(rect.top) : 0u);
}

void AddToUpdate(HWND hwnd, const Region& area, bool erase, bool allChildren = false)
{
    Window* window = FindWindow(hwnd);
    Region clipped(ClientBox(window));
    clipped.Intersect(area);
    if (!pixman_region32_not_empty(&clipped)) return;
    pixman_region32_union(&window->update, &window->update, &clipped);
    window->erase = window->erase || erase;
    window->invalidations++;
    // Without WS_CLIPCHILDREN a parent's update reaches the children it overlaps.
    if ((window->style & WS_CLIPCHILDREN) && !allChildren) return;
    for (HWND child : window->children) {
        Window* c = FindWindow(child);
        if (c->Visible()) AddToUpdate(child, clipped.Translated(-c->rect.left, -c->rect.top), erase, allChildren);
    }
}

void Invalidate(HWND hwnd, const RECT* rect, bool erase)
{
    Window* window = FindWindow(hwnd);
    if (!IsReallyVisible(hwnd)) return;
    AddToUpdate(hwnd, rect ? RectRegion(*rect) : Region(0, 0, window->Width(), window->Height()), erase);
}

HWND FindNeedingPaint(HWND hwnd)
{
    Window* window = FindWindow(hwnd);
    if (!window->Visible()) return nullptr;
    if (pixman_region32_not_empty(&window->update)) return hwnd;
    for (HWND child : window->children)
        if (HWND found = FindNeedingPaint(child)) return found;
    return nullptr;
}

// Runs `own` on the window, then on its visible children, and theirs: only a parent that clips
// its children lets them erase and paint before it has painted, unless all children are asked for.
template <typename Own>
void Descend(HWND hwnd, bool allChildren, const Own& own)
{
    Window* window = FindWindow(hwnd);
    if (!window || !window->Visible()) return;
    own(hwnd, window);
    if (!(window = FindWindow(hwnd)) || !(allChildren || (window->style & WS_CLIPCHILDREN))) return;
    std::vector<HWND> children = window->children;
    for (HWND child : children) Descend(child, allChildren, own);
}

void PaintNow(HWND hwnd, bool allChildren)
{
    Descend(hwnd, allChildren, [](HWND window, Window* state) {
        if (!pixman_region32_not_empty(&state->update)) return;
        unsigned before = state->invalidations;
        Deliver(window, WM_PAINT, 0, 0);
        ValidatePainted(window, before);
    });
}

// Subtracts from `region` (surface coordinates) the visible windows of `list` that come before `stop`.
void SubtractWindows(Region& region, const std::vector<HWND>& list, HWND stop, POINT origin)
{
    for (HWND hwnd : list) {
        if (hwnd == stop) return;
        Window* window = FindWindow(hwnd);
        if (!window->Visible()) continue;
        region.Subtract(
            Region(origin.x + window->rect.left, origin.y + window->rect.top, window->Width(), window->Height()));
    }
}

// Surface coordinates.
Region VisibleRegion(HWND hwnd)
{
    Window* window = FindWindow(hwnd);
    POINT origin = ClientOriginInSurface(hwnd);
    Region visible(origin.x, origin.y, window->Width(), window->Height());
    for (Window* w = window; w->IsChild();) {
        HWND self = hwnd;
        Window* parent = FindWindow(w->parent);
        POINT parentOrigin = ClientOriginInSurface(w->parent);
        visible.Intersect(Region(parentOrigin.x, parentOrigin.y, parent->Width(), parent->Height()));
        if (w->style & WS_CLIPSIBLINGS) SubtractWindows(visible, parent->children, self, parentOrigin);
        hwnd = w->parent;
        w = parent;
    }
    if (window->style & WS_CLIPCHILDREN) SubtractWindows(visible, window->children, nullptr, origin);
    return visible;
}

// A child whose parent still has to paint, and paints over its children, waits for that paint.
bool AncestorPaintsFirst(HWND hwnd)
{
    for (Window* window = FindWindow(hwnd); window->IsChild();) {
        Window* parent = FindWindow(window->parent);
        if (!(parent->style & WS_CLIPCHILDREN) && pixman_region32_not_empty(&parent->update)) return true;
        window = parent;
    }
    return false;
}

void SendErase(HWND hwnd)
{
    Window* window = FindWindow(hwnd);
    window->erase = false;
    HDC hdc = CreateWindowDC(hwnd, DC::Type::Paint);
    Lookup<DC>(hdc)->paintClip = window->update;
    bool erased = Deliver(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0) != 0;
    DestroyDC(hdc);
    if ((window = FindWindow(hwnd))) window->unerased = !erased;
}

}  // namespace

void EraseNow(HWND hwnd, bool allChildren)
{
    if (!FindWindow(hwnd) || !IsReallyVisible(hwnd)) return;
    if (!allChildren && AncestorPaintsFirst(hwnd)) return;
    Descend(hwnd, allChildren, [](HWND window, Window* state) {
        if (state->erase && pixman_region32_not_empty(&state->update)) SendErase(window);
    });
}

void InvalidateTree(HWND hwnd)
{
    Invalidate(hwnd, nullptr, true);
    Window* window = FindWindow(hwnd);
    if (!window) return;
    for (HWND child : window->children)
        if (FindWindow(child)->Visible()) InvalidateTree(child);
}

void InvalidateUncovered(HWND parent, const RECT& area)
{
    Window* window = FindWindow(parent);
    if (!window) return;
    Invalidate(parent, &area, true);
    if (!(window->style & WS_CLIPCHILDREN)) return;  // otherwise Invalidate reached the children already
    for (HWND child : window->children) {
        Window* c = FindWindow(child);
        RECT overlap;
        if (!c->Visible() || !IntersectRect(&overlap, &area, &c->rect)) continue;
        OffsetRect(&overlap, -c->rect.left, -c->rect.top);
        Invalidate(child, &overlap, true);
    }
}

HWND NextWindowToPaint()
{
    for (auto top = WM().topLevels.rbegin(); top != WM().topLevels.rend(); ++top)
        if (HWND found = FindNeedingPaint(*top)) return found;
    return nullptr;
}

void ValidatePainted(HWND hwnd, unsigned invalidationsBefore)
{
    // A window procedure that left WM_PAINT unanswered would otherwise be asked forever.
    Window* window = FindWindow(hwnd);
    if (window && window->invalidations == invalidationsBefore) {
        pixman_region32_clear(&window->update);
        window->erase = window->unerased = false;
    }
}

// A window may be larger than any bitmap, its surface is not: what lies beyond is neither kept nor
// shown, instead of gigabytes of pixels for a window sized by a template or a host.
void ResizeSurface(Window* window)
{
    int width = std::clamp(window->Width(), 1, kMaxBitmapSide);
    int height = std::clamp(window->Height(), 1, kMaxBitmapSide);
    height = int(std::min<int64_t>(height, kMaxBitmapPixels / width));
    if (window->surface && pixman_image_get_width(window->surface) == width &&
        pixman_image_get_height(window->surface) == height)
        return;
    pixman_image_t* surface = pixman_image_create_bits(PIXMAN_x8r8g8b8, width, height, nullptr, width * 4);
    if (!surface) return;
    if (window->surface) {
        pixman_image_composite32(PIXMAN_OP_SRC, window->surface, nullptr, surface, 0, 0, 0, 0, 0, 0, width, height);
        pixman_image_unref(window->surface);
    }
    window->surface = surface;
}

bool WindowDrawArea(HWND hwnd, WindowArea& area)
{
    Window* top = FindWindow(TopLevelOf(hwnd));
    if (!top || !top->surface) return false;
    Window* window = FindWindow(hwnd);
    area.surface = top->surface;
    area.origin = ClientOriginInSurface(hwnd);
    area.client = {window->Width(), window->Height()};
    area.visible = IsReallyVisible(hwnd) ? VisibleRegion(hwnd) : Region();
    return true;
}

}  // namespace wincore

using namespace wincore;

WINCORE_API BOOL WINAPI InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase)
{
    if (!hwnd) {
        for (HWND top : WM().topLevels) Invalidate(top, rect, erase);
        return TRUE;
    }
    if (!FindWindow(hwnd)) return FALSE;
    Invalidate(hwnd, rect, erase);
    return TRUE;
}

WINCORE_API BOOL WINAPI ValidateRect(HWND hwnd, const RECT* rect)
{
    Window* window = FindWindow(hwnd);
    if (!window) return FALSE;
    if (!rect) {
        pixman_region32_clear(&window->update);
        window->erase = window->unerased = false;
        return TRUE;
    }
    window->update.Subtract(RectRegion(*rect));
    return TRUE;
}

WINCORE_API BOOL WINAPI GetUpdateRect(HWND hwnd, LPRECT rect, BOOL)
{
    Window* window = FindWindow(hwnd);
    if (!window) return FALSE;
    pixman_box32_t* box = pixman_region32_extents(&window->update);
    bool any = pixman_region32_not_empty(&window->update);
    if (rect) *rect = any ? RECT{box->x1, box->y1, box->x2, box->y2} : RECT{0, 0, 0, 0};
    return any;
}

WINCORE_API BOOL WINAPI UpdateWindow(HWND hwnd)
{
    if (!FindWindow(hwnd)) return FALSE;
    PaintNow(hwnd, true);
    return TRUE;
}

// Handles RDW_INVALIDATE (with RDW_ERASE), RDW_ERASENOW, RDW_UPDATENOW and RDW_ALLCHILDREN; the
// area is the region, else the rectangle, else the whole client area.
WINCORE_API BOOL WINAPI RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags)
{
    Window* window = FindWindow(hwnd);
    RegionObject* given = region ? Lookup<RegionObject>(region) : nullptr;
    if (!window || (region && !given)) return FALSE;
    bool allChildren = flags & RDW_ALLCHILDREN;
    if ((flags & RDW_INVALIDATE) && IsReallyVisible(hwnd)) {
        Region area = given ? given->region : rect ? RectRegion(*rect) : Region(0, 0, window->Width(), window->Height());
        AddToUpdate(hwnd, area, flags & RDW_ERASE, allChildren);
    }
    if (flags & RDW_UPDATENOW)
        PaintNow(hwnd, allChildren);
    else if (flags & RDW_ERASENOW)
        EraseNow(hwnd, allChildren);
    return TRUE;
}

WINCORE_API HDC WINAPI BeginPaint(HWND hwnd, LPPAINTSTRUCT paint)
{
    Window* window = FindWindow(hwnd);
    if (!window || !paint) return nullptr;
    HDC hdc = CreateWindowDC(hwnd, DC::Type::Paint);
    DC* dc = Lookup<DC>(hdc);
    dc->paintClip = window->update;

    *paint = PAINTSTRUCT{};
    paint->hdc = hdc;
    pixman_box32_t* box = pixman_region32_extents(&window->update);
    paint->rcPaint = pixman_region32_not_empty(&window->update) ? RECT{box->x1, box->y1, box->x2, box->y2}
                                                                : RECT{0, 0, 0, 0};
    // An area erased already is not erased again; one its window left unerased is reported.
    bool erase = window->erase;
    paint->fErase = window->unerased;
    pixman_region32_clear(&window->update);
    window->erase = window->unerased = false;
    if (erase) paint->fErase = Deliver(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0) == 0;
    return hdc;
}

WINCORE_API BOOL WINAPI EndPaint(HWND hwnd, const PAINTSTRUCT* paint)
{
    if (!paint) return FALSE;
    DC* dc = Lookup<DC>(paint->hdc);
    if (!dc || dc->type != DC::Type::Paint || dc->window != hwnd) return FALSE;
    DestroyDC(paint->hdc);
    return TRUE;
}

WINCORE_API HDC WINAPI GetDC(HWND hwnd)
{
    if (!hwnd) return CreateWindowDC(nullptr, DC::Type::Screen);
    if (!FindWindow(hwnd)) return nullptr;
    return CreateWindowDC(hwnd, DC::Type::Window);
}

WINCORE_API HDC WINAPI GetWindowDC(HWND hwnd)
{
    return GetDC(hwnd);
}

WINCORE_API int WINAPI ReleaseDC(HWND hwnd, HDC hdc)
{
    DC* dc = Lookup<DC>(hdc);
    if (!dc || dc->window != hwnd || (dc->type != DC::Type::Window && dc->type != DC::Type::Screen)) return 0;
    DestroyDC(hdc);
    return 1;
}
