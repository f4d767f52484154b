// Keyboard focus, activation of top-level windows, and pen capture.
#include "window/manager.h"

namespace wincore {

namespace {

void Activate(HWND top, WPARAM how)
{
    Manager& wm = WM();
    HWND old = wm.active;
    if (old == top) return;
    wm.active = top;
    if (FindWindow(old)) Deliver(old, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(top));
    if (!FindWindow(top) || wm.active != top) return;
    BringToTop(top);
    Deliver(top, WM_ACTIVATE, how, reinterpret_cast<LPARAM>(old));
}

bool CanActivate(HWND hwnd, HWND leaving)
{
    Window* window = FindWindow(hwnd);
    return window && hwnd != leaving && !IsWithin(hwnd, leaving) && window->Visible() &&
           !(window->style & WS_DISABLED) && !(window->exStyle & WS_EX_NOACTIVATE);
}

}  // namespace

void FocusWindow(HWND hwnd, WPARAM how)
{
    Manager& wm = WM();
    HWND top = TopLevelOf(hwnd);
    if (top != wm.active) Activate(top, how);
    if (!FindWindow(hwnd)) return;
    HWND old = wm.focus;
    if (old == hwnd) return;
    wm.focus = hwnd;
    if (FindWindow(old)) Deliver(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    // A WM_KILLFOCUS handler may have moved the focus elsewhere; that choice stands.
    if (wm.focus != hwnd || !FindWindow(hwnd)) return;
    Deliver(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
}

void ActivateNext(HWND leaving)
{
    Manager& wm = WM();
    HWND next = nullptr;
    Window* window = FindWindow(leaving);
    if (window && CanActivate(window->owner, leaving)) next = window->owner;
    for (HWND top : wm.topLevels)
        if (!next && CanActivate(top, leaving)) next = top;
    if (next) {
        FocusWindow(next, WA_ACTIVE);
        return;
    }
    // As on Win32 the window is deactivated before the focus leaves it.
    HWND oldFocus = wm.focus;
    if (wm.active == leaving) Activate(nullptr, WA_INACTIVE);
    if (wm.focus != oldFocus) return;  // a WM_ACTIVATE handler moved it; that choice stands
    wm.focus = nullptr;
    if (IsWithin(oldFocus, leaving)) Deliver(oldFocus, WM_KILLFOCUS, 0, 0);
}

void LoseFocusWithin(HWND hwnd)
{
    Manager& wm = WM();
    if (IsWithin(wm.focus, hwnd)) wm.focus = nullptr;
    if (IsWithin(wm.active, hwnd)) wm.active = nullptr;
}

void ReleaseCaptureWithin(HWND hwnd)
{
    if (IsWithin(WM().capture, hwnd)) ReleaseCapture();
}

}  // namespace wincore

using namespace wincore;

WINCORE_API HWND WINAPI SetFocus(HWND hwnd)
{
    Manager& wm = WM();
    HWND old = wm.focus;
    if (!hwnd) {
        wm.focus = nullptr;
        if (FindWindow(old)) Deliver(old, WM_KILLFOCUS, 0, 0);
        return old;
    }
    Window* window = FindWindow(hwnd);
    if (!window || (window->style & WS_DISABLED)) return nullptr;
    FocusWindow(hwnd, WA_ACTIVE);
    return old;
}

WINCORE_API HWND WINAPI GetFocus(void)
{
    return WM().focus;
}

WINCORE_API HWND WINAPI GetActiveWindow(void)
{
    return WM().active;
}

WINCORE_API HWND WINAPI SetActiveWindow(HWND hwnd)
{
    HWND old = WM().active;
    HWND top = TopLevelOf(hwnd);
    if (!top) return nullptr;
    if (top != old) FocusWindow(top, WA_ACTIVE);
    return old;
}

WINCORE_API BOOL WINAPI SetForegroundWindow(HWND hwnd)
{
    if (!TopLevelOf(hwnd)) return FALSE;
    SetActiveWindow(hwnd);
    return TRUE;
}

WINCORE_API HWND WINAPI GetForegroundWindow(void)
{
    return WM().active;
}

WINCORE_API HWND WINAPI SetCapture(HWND hwnd)
{
    Manager& wm = WM();
    HWND old = wm.capture;
    if (!FindWindow(hwnd)) return nullptr;
    wm.capture = hwnd;
    if (old != hwnd && FindWindow(old)) Deliver(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return old;
}

WINCORE_API BOOL WINAPI ReleaseCapture(void)
{
    Manager& wm = WM();
    HWND old = wm.capture;
    wm.capture = nullptr;
    if (FindWindow(old)) Deliver(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

WINCORE_API HWND WINAPI GetCapture(void)
{
    return WM().capture;
}
