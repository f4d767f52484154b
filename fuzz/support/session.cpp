#include "support/session.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <wincore/host.h>

#include "NavCtrlMessages.h"
#include "NavListViewEx.h"

namespace {

constexpr const WCHAR* kOwnerClass = TEXT("FuzzOwner");

NotifyHandler& Handler()
{
    static NotifyHandler handler;
    return handler;
}

void Fill(HDC dc, const RECT& rect, COLORREF color)
{
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

bool IsNotification(UINT message)
{
    return message == WM_COMMAND || message == WM_NAVLV_ITEMNOTIFY || message == WM_NAVLV_PAGESCROLL;
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
        RECT local = {0, 0, area.right - area.left, area.bottom - area.top};
        Fill(reinterpret_cast<HDC>(wParam), local, 0x00608040);
        return 1;
    }
    // As a host does, the owner hands an owner-drawn control's drawing back to the control.
    if (message == WM_DRAWITEM) {
        HWND item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
        return item != hwnd ? SendMessageW(item, message, wParam, lParam) : 0;
    }
    if (IsNotification(message) && Handler()) {
        // A copy: the handler may replace itself.
        NotifyHandler handler = Handler();
        handler(message, wParam, lParam);
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

HostSession::HostSession()
{
    wincore::HostStart();
    gdiAtStart_ = wincore::LiveGdiObjects();
    comAtStart_ = wincore::LiveComObjects();
}

HostSession::~HostSession()
{
    SetNotifyHandler(nullptr);
    wincore::HostStop();
}

void HostSession::CheckNothingLeft() const
{
    Check(wincore::LiveWindows() == 0, "a window outlived its control");
    Check(wincore::LiveGdiObjects() == gdiAtStart_, "a GDI object outlived its control");
    Check(wincore::LiveComObjects() == comAtStart_, "a COM object outlived its control");
}

HWND CreateOwner(DWORD style, int x, int y, int width, int height, HWND parent)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = OwnerProc;
    wc.lpszClassName = kOwnerClass;
    RegisterClassW(&wc);
    return CreateWindowExW(0, kOwnerClass, TEXT("owner"), style, x, y, width, height, parent, nullptr, nullptr,
                           nullptr);
}

void SetNotifyHandler(NotifyHandler handler)
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
    std::copy(face, face + sizeof face / sizeof face[0], font.lfFaceName);
    return CreateFontIndirectW(&font);
}
