// Window geometry, z-order, showing and hiding.
#include <algorithm>

#include "window/manager.h"

namespace wincore {

namespace {

std::vector<HWND>* SiblingsOf(Window* window)
{
    if (!window->IsChild()) return &WM().topLevels;
    Window* parent = FindWindow(window->parent);
    return parent ? &parent->children : nullptr;
}

bool IsTopmost(HWND hwnd)
{
    return (FindWindow(hwnd)->exStyle & WS_EX_TOPMOST) != 0;
}

// Places `hwnd` in its sibling list: at the front of its band, at the back, or after `after`.
void PlaceInZOrder(HWND hwnd, Window* window, HWND after)
{
    std::vector<HWND>* list = SiblingsOf(window);
    if (!list) return;
    list->erase(std::remove(list->begin(), list->end(), hwnd), list->end());
    auto position = list->begin();
    if (after == HWND_BOTTOM) {
        position = list->end();
    } else if (after && after != HWND_TOP && after != HWND_TOPMOST && after != HWND_NOTOPMOST) {
        position = std::find(list->begin(), list->end(), after);
        if (position != list->end()) ++position;
    } else if (!window->IsChild() && !(window->exStyle & WS_EX_TOPMOST)) {
        while (position != list->end() && IsTopmost(*position)) ++position;
    }
    list->insert(position, hwnd);
}

void ApplyZOrder(HWND hwnd, Window* window, HWND after)
{
    if (!window->IsChild()) {
        if (after == HWND_TOPMOST) window->exStyle |= WS_EX_TOPMOST;
        if (after == HWND_NOTOPMOST) window->exStyle &= ~WS_EX_TOPMOST;
    }
    PlaceInZOrder(hwnd, window, after);
    MarkScreenDirty();
}

void InvalidateAfterResize(HWND hwnd, Window* window, const RECT& old)
{
    bool redrawAll = window->windowClass->style & (CS_HREDRAW | CS_VREDRAW);
    if (redrawAll || window->IsChild()) {
        InvalidateRect(hwnd, nullptr, TRUE);
        return;
    }
    // Only the newly exposed strips need painting.
    RECT right = {old.right - old.left, 0, window->Width(), window->Height()};
    RECT bottom = {0, old.bottom - old.top, window->Width(), window->Height()};
    if (!IsRectEmpty(&right)) InvalidateRect(hwnd, &right, TRUE);
    if (!IsRectEmpty(&bottom)) InvalidateRect(hwnd, &bottom, TRUE);
}

// As on Win32 the parent repaints only what a moved or resized child no longer covers: the child
// paints its own new area, and may have done so already (UpdateWindow) before the parent paints.
void InvalidateUncoveredByChild(HWND parent, const RECT& old, const RECT& now)
{
    RECT kept;
    if (!IntersectRect(&kept, &old, &now)) {
        InvalidateUncovered(parent, old);
        return;
    }
    const RECT strips[] = {
        {old.left, old.top, old.right, kept.top},
        {old.left, kept.bottom, old.right, old.bottom},
        {old.left, kept.top, kept.left, kept.bottom},
        {kept.right, kept.top, old.right, kept.bottom},
    };
    for (const RECT& strip : strips)
        if (!IsRectEmpty(&strip)) InvalidateUncovered(parent, strip);
}

// A resized window erases at once what its new size left to erase: a child in its parent, a
// top-level window in itself. A window being shown erases as it is shown instead.
void ApplyGeometry(HWND hwnd, RECT rect, bool redraw, bool showing = false)
{
    Window* window = FindWindow(hwnd);
    RECT old = window->rect;
    if (EqualRect(&old, &rect)) return;
    bool moved = old.left != rect.left || old.top != rect.top;
    bool sized = (old.right - old.left) != (rect.right - rect.left) || (old.bottom - old.top) != (rect.bottom - rect.top);
    window->rect = rect;
    if (!window->IsChild() && sized) ResizeSurface(window);
    MarkScreenDirty();
    if (redraw && window->Visible()) {
        if (window->IsChild()) InvalidateUncoveredByChild(window->parent, old, rect);
        if (sized || window->IsChild()) InvalidateAfterResize(hwnd, window, old);
    }
    if (sized && !showing && window->Visible()) {
        EraseNow(window->IsChild() ? window->parent : hwnd, false);
        if (!FindWindow(hwnd)) return;
    }
    if (moved) Deliver(hwnd, WM_MOVE, 0, MAKELPARAM(rect.left, rect.top));
    if (sized && (window = FindWindow(hwnd)))
        Deliver(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(window->Width(), window->Height()));
}

HWND DeepestChild(HWND hwnd, POINT point, bool enabledOnly)
{
    for (HWND child : FindWindow(hwnd)->children) {
        Window* window = FindWindow(child);
        if (!window->Visible() || (enabledOnly && (window->style & WS_DISABLED))) continue;
        if (!PtInRect(&window->rect, point)) continue;
        return DeepestChild(child, POINT{point.x - window->rect.left, point.y - window->rect.top}, enabledOnly);
    }
    return hwnd;
}

HWND FindAt(POINT point, bool enabledOnly)
{
    for (HWND top : WM().topLevels) {
        Window* window = FindWindow(top);
        if (!window->Visible() || (enabledOnly && (window->style & WS_DISABLED))) continue;
        if (!PtInRect(&window->rect, point)) continue;
        return DeepestChild(top, POINT{point.x - window->rect.left, point.y - window->rect.top}, enabledOnly);
    }
    return nullptr;
}

}  // namespace

HWND HitTest(POINT screenPoint)
{
    return FindAt(screenPoint, true);
}

void BringToTop(HWND hwnd)
{
    if (Window* window = FindWindow(hwnd)) ApplyZOrder(hwnd, window, HWND_TOP);
}

void HideWindow(HWND hwnd)
{
    Window* window = FindWindow(hwnd);
    window->style &= ~WS_VISIBLE;
    MarkScreenDirty();
    if (window->IsChild()) {
        InvalidateUncovered(window->parent, window->rect);
        EraseNow(window->parent, false);
        if (!(window = FindWindow(hwnd))) return;
    }
    ReleaseCaptureWithin(hwnd);
    if (window->IsChild()) {
        if (IsWithin(WM().focus, hwnd)) SetFocus(window->parent);
    } else if (WM().active == hwnd || IsWithin(WM().focus, hwnd)) {
        ActivateNext(hwnd);
    }
}

void ShowCommon(HWND hwnd, bool activate)
{
    Window* window = FindWindow(hwnd);
    window->style |= WS_VISIBLE;
    MarkScreenDirty();
    InvalidateTree(hwnd);
    if (activate && !window->IsChild() && !(window->exStyle & WS_EX_NOACTIVATE)) FocusWindow(hwnd, WA_ACTIVE);
    // As on Win32 a window is erased as it is shown, after its activation and before it paints.
    EraseNow(hwnd, false);
}

}  // namespace wincore

using namespace wincore;

WINCORE_API BOOL WINAPI GetWindowRect(HWND hwnd, LPRECT rect)
{
    Window* window = FindWindow(hwnd);
    if (!window || !rect) return FALSE;
    POINT origin = ClientOriginOnScreen(hwnd);
    *rect = {origin.x, origin.y, origin.x + window->Width(), origin.y + window->Height()};
    return TRUE;
}

WINCORE_API BOOL WINAPI GetClientRect(HWND hwnd, LPRECT rect)
{
    Window* window = FindWindow(hwnd);
    if (!window || !rect) return FALSE;
    *rect = {0, 0, window->Width(), window->Height()};
    return TRUE;
}

WINCORE_API BOOL WINAPI ClientToScreen(HWND hwnd, LPPOINT point)
{
    if (!FindWindow(hwnd) || !point) return FALSE;
    POINT origin = ClientOriginOnScreen(hwnd);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

WINCORE_API BOOL WINAPI ScreenToClient(HWND hwnd, LPPOINT point)
{
    if (!FindWindow(hwnd) || !point) return FALSE;
    POINT origin = ClientOriginOnScreen(hwnd);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

WINCORE_API int WINAPI MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count)
{
    if ((from && !FindWindow(from)) || (to && !FindWindow(to)) || (!points && count)) return 0;
    POINT a = from ? ClientOriginOnScreen(from) : POINT{0, 0};
    POINT b = to ? ClientOriginOnScreen(to) : POINT{0, 0};
    LONG dx = a.x - b.x, dy = a.y - b.y;
    for (UINT i = 0; i < count; i++) {
        points[i].x += dx;
        points[i].y += dy;
    }
    SetLastError(0);
    return MAKELONG(WORD(dx), WORD(dy));
}

WINCORE_API HWND WINAPI WindowFromPoint(POINT point)
{
    return FindAt(point, false);
}

WINCORE_API BOOL WINAPI ShowWindow(HWND hwnd, int command)
{
    Window* window = FindWindow(hwnd);
    if (!window) return FALSE;
    bool wasVisible = window->Visible();
    bool activate = command == SW_SHOW || command == SW_SHOWNORMAL;
    if (command == SW_HIDE) {
        if (!wasVisible) return FALSE;
        Deliver(hwnd, WM_SHOWWINDOW, FALSE, 0);
        if (FindWindow(hwnd) && FindWindow(hwnd)->Visible()) HideWindow(hwnd);
        return TRUE;
    }
    if (wasVisible) {
        if (activate && !window->IsChild() && WM().active != hwnd) FocusWindow(hwnd, WA_ACTIVE);
        return TRUE;
    }
    Deliver(hwnd, WM_SHOWWINDOW, TRUE, 0);
    if (FindWindow(hwnd) && !FindWindow(hwnd)->Visible()) ShowCommon(hwnd, activate);
    return FALSE;
}

WINCORE_API BOOL WINAPI MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint)
{
    if (!FindWindow(hwnd)) return FALSE;
    ApplyGeometry(hwnd, RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)}, repaint != FALSE);
    return TRUE;
}

WINCORE_API BOOL WINAPI SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    Window* window = FindWindow(hwnd);
    if (!window) return FALSE;
    if (!(flags & SWP_NOZORDER)) ApplyZOrder(hwnd, window, insertAfter);
    RECT rect = window->rect;
    if (!(flags & SWP_NOMOVE)) OffsetRect(&rect, x - rect.left, y - rect.top);
    if (!(flags & SWP_NOSIZE)) {
        rect.right = rect.left + std::max(cx, 0);
        rect.bottom = rect.top + std::max(cy, 0);
    }
    ApplyGeometry(hwnd, rect, !(flags & SWP_NOREDRAW), (flags & SWP_SHOWWINDOW) != 0);
    if (!(window = FindWindow(hwnd))) return TRUE;
    if ((flags & SWP_SHOWWINDOW) && !window->Visible()) ShowCommon(hwnd, !(flags & SWP_NOACTIVATE));
    else if ((flags & SWP_HIDEWINDOW) && window->Visible()) HideWindow(hwnd);
    return TRUE;
}

WINCORE_API BOOL WINAPI IsWindowVisible(HWND hwnd)
{
    return IsReallyVisible(hwnd);
}
