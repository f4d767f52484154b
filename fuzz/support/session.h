// One fuzz input's run of the wincore host, its owner window, and how a fuzzer reports a fault.
#pragma once

#include <windows.h>

#include <wincore/host.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "NavCtrlMessages.h"
#include "NavListViewEx.h"

// The storm's step under way, named in a fault's report.
inline const char* gFuzzStep = nullptr;

// Prints what went wrong and aborts, so that libFuzzer keeps the input that did it.
[[noreturn]] inline void Fault(const char* what)
{
    fprintf(stderr, "fuzz invariant broken: %s (step: %s)\n", what, gFuzzStep ? gFuzzStep : "none");
    abort();
}

inline void Check(bool holds, const char* what) { if (!holds) Fault(what); }

// Runs `run` on a fresh host; afterwards no window, GDI or COM object it made may be alive.
inline int OnFreshHost(const std::function<void()>& run)
{
    wincore::HostStart();
    gFuzzStep = nullptr;
    const int gdiAtStart = wincore::LiveGdiObjects(), comAtStart = wincore::LiveComObjects();
    run();
    Check(wincore::LiveWindows() == 0, "a window outlived its control");
    Check(wincore::LiveGdiObjects() == gdiAtStart, "a GDI object outlived its control");
    Check(wincore::LiveComObjects() == comAtStart, "a COM object outlived its control");
    wincore::HostStop();
    return 0;
}

// What the owner runs for every notification a control sends it; a storm sets it.
inline std::function<void()> gNotifyHandler;

// Paints the backdrops controls ask for, hands owner-drawn items back, runs gNotifyHandler.
inline LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NAVLV_PAINTBK || message == WM_NAVCTRL_PAINTBK) {
        const RECT& area = *reinterpret_cast<const RECT*>(lParam);
        const RECT beneath = {0, 0, area.right - area.left, area.bottom - area.top};
        HBRUSH brush = CreateSolidBrush(0x00608040);
        FillRect(reinterpret_cast<HDC>(wParam), &beneath, brush);
        DeleteObject(brush);
        return 1;
    }
    if (message == WM_DRAWITEM) {
        HWND item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
        return item != hwnd ? SendMessageW(item, message, wParam, lParam) : 0;
    }
    if (message == WM_COMMAND || message == WM_NAVLV_ITEMNOTIFY || message == WM_NAVLV_PAGESCROLL) {
        // A copy: the handler may replace itself.
        if (std::function<void()> handler = gNotifyHandler) handler();
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

inline HWND CreateOwner(DWORD style, int x, int y, int width, int height, HWND parent)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = OwnerProc;
    wc.lpszClassName = TEXT("FuzzOwner");
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, TEXT("owner"), style, x, y, width, height, parent, nullptr,
                           nullptr, nullptr);
}

// A memory DC with a 32-bit DIB section of its own.
struct Offscreen {
    Offscreen(int width, int height)
    {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!dc || !bitmap) Fault("no off-screen picture");
        displaced = SelectObject(dc, bitmap);
    }
    ~Offscreen() { SelectObject(dc, displaced); DeleteObject(bitmap); DeleteDC(dc); }
    Offscreen(const Offscreen&) = delete;
    Offscreen& operator=(const Offscreen&) = delete;

    const HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = nullptr;
    HGDIOBJ displaced = nullptr;
};
