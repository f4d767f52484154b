// Process-wide window manager state, window lookup and the clock.
#include <thread>

#include "window/manager.h"

namespace wincore {

namespace {

constexpr int kDoubleClickSide = 4;  // px, the double-tap rectangle's width and height, as on desktop Win32

}  // namespace

Manager& WM()
{
    // Never destroyed, for the same reason as the handle table.
    static Manager& manager = *new Manager;
    return manager;
}

DWORD Now()
{
    Manager& wm = WM();
    if (wm.config.manualClock) return wm.manualNow;
    auto elapsed = std::chrono::steady_clock::now() - wm.start;
    return DWORD(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

Window::~Window()
{
    if (surface) pixman_image_unref(surface);
}

Window* FindWindow(HWND hwnd)
{
    return Lookup<Window>(hwnd);
}

HWND TopLevelOf(HWND hwnd)
{
    Window* window = FindWindow(hwnd);
    while (window && window->IsChild()) {
        hwnd = window->parent;
        window = FindWindow(hwnd);
    }
    return window ? hwnd : nullptr;
}

bool IsReallyVisible(HWND hwnd)
{
    for (Window* window = FindWindow(hwnd); window; window = window->IsChild() ? FindWindow(window->parent) : nullptr)
        if (!window->Visible()) return false;
    return FindWindow(hwnd) != nullptr;
}

bool IsWithin(HWND hwnd, HWND ancestor)
{
    while (Window* window = FindWindow(hwnd)) {
        if (hwnd == ancestor) return true;
        if (!window->IsChild()) return false;
        hwnd = window->parent;
    }
    return false;
}

POINT ClientOriginInSurface(HWND hwnd)
{
    POINT origin = {0, 0};
    for (Window* window = FindWindow(hwnd); window && window->IsChild(); window = FindWindow(window->parent)) {
        origin.x += window->rect.left;
        origin.y += window->rect.top;
    }
    return origin;
}

POINT ClientOriginOnScreen(HWND hwnd)
{
    POINT origin = ClientOriginInSurface(hwnd);
    if (Window* top = FindWindow(TopLevelOf(hwnd))) {
        origin.x += top->rect.left;
        origin.y += top->rect.top;
    }
    return origin;
}

int ScreenDpi()
{
    return WM().config.dpi > 0 ? WM().config.dpi : 96;
}

}  // namespace wincore

using namespace wincore;

WINCORE_API DWORD WINAPI GetTickCount(void)
{
    return Now();
}

WINCORE_API void WINAPI Sleep(DWORD ms)
{
    if (WM().config.manualClock) {
        WM().manualNow += ms;
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

WINCORE_API int WINAPI GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXSCREEN: return WM().config.screenWidth;
    case SM_CYSCREEN: return WM().config.screenHeight;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK: return kDoubleClickSide;
    default: return 0;
    }
}

WINCORE_API DWORD WINAPI GetSysColor(int index)
{
    switch (index) {
    case COLOR_WINDOW: return RGB(255, 255, 255);
    case COLOR_WINDOWTEXT:
    case COLOR_BTNTEXT: return RGB(0, 0, 0);
    case COLOR_HIGHLIGHT: return RGB(10, 36, 106);
    case COLOR_BTNFACE: return RGB(212, 208, 200);
    case COLOR_GRAYTEXT: return RGB(128, 128, 128);
    default: return 0;
    }
}
