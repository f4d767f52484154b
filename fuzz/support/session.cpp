#include "support/session.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <wincore/host.h>

#include "NavCtrlMessages.h"
#include "NavListViewEx.h"

namespace {

std::function<void()>& Handler()
{
    static std::function<void()> handler;
    return handler;
}

void Fill(HDC dc, const RECT& rect, COLORREF color)
{
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        Fill(dc, paint.rcPaint, 0x00406080);
        EndPaint(hwnd, &paint);
        return 0;
    }
    if (message == WM_NAVLV_PAINTBK || message == WM_NAVCTRL_PAINTBK) {
        const RECT& area = *reinterpret_cast<const RECT*>(lParam);
        Fill(reinterpret_cast<HDC>(wParam), RECT{0, 0, area.right - area.left, area.bottom - area.top}, 0x00608040);
        return 1;
    }
    if (message == WM_DRAWITEM) {
        HWND item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
        return item != hwnd ? SendMessageW(item, message, wParam, lParam) : 0;
    }
    if (message == WM_COMMAND || message == WM_NAVLV_ITEMNOTIFY || message == WM_NAVLV_PAGESCROLL) {
        // A copy: the handler may replace itself.
        if (std::function<void()> handler = Handler()) handler();
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

void Fault(const char* what)
{
    fprintf(stderr, "fuzz invariant broken: %s\n", what);
    abort();
}

int OnFreshHost(const std::function<void()>& run)
{
    wincore::HostStart();
    const int gdiAtStart = wincore::LiveGdiObjects(), comAtStart = wincore::LiveComObjects();
    run();
    Check(wincore::LiveWindows() == 0, "a window outlived its control");
    Check(wincore::LiveGdiObjects() == gdiAtStart, "a GDI object outlived its control");
    Check(wincore::LiveComObjects() == comAtStart, "a COM object outlived its control");
    SetNotifyHandler(nullptr);
    wincore::HostStop();
    return 0;
}

HWND CreateOwner(DWORD style, int x, int y, int width, int height, HWND parent)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = OwnerProc;
    wc.lpszClassName = TEXT("FuzzOwner");
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, TEXT("owner"), style, x, y, width, height, parent, nullptr,
                           nullptr, nullptr);
}

void SetNotifyHandler(std::function<void()> handler)
{
    Handler() = std::move(handler);
}

HFONT CreateTextFont(int height)
{
    LOGFONTW font = {};
    font.lfHeight = -height;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    const char16_t face[] = u"DejaVu Sans";
    std::copy(std::begin(face), std::end(face), font.lfFaceName);
    return CreateFontIndirectW(&font);
}

HBITMAP SolidBitmap(int width, int height, int stockBrush)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ displaced = SelectObject(dc, bitmap);
    const RECT all = {0, 0, width, height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(stockBrush)));
    SelectObject(dc, displaced);
    DeleteDC(dc);
    return bitmap;
}

Offscreen::Offscreen(int width, int height) : width_(width), dc_(CreateCompatibleDC(nullptr))
{
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dc_ || !bitmap_) Fault("no off-screen picture");
    pixels_ = static_cast<const uint32_t*>(bits);
    displaced_ = SelectObject(dc_, bitmap_);
    const RECT all = {0, 0, width, height};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
}

Offscreen::~Offscreen()
{
    SelectObject(dc_, displaced_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}
