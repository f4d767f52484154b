#include "fault/fault_fixture.h"

#include <cstdlib>

#include "NavCtrlMessages.h"
#include "NavListViewEx.h"

namespace {

constexpr int kTolerance = 60;
constexpr const WCHAR* kOwnerClass = TEXT("FaultOwner");

void Fill(HDC dc, const RECT& rect)
{
    HBRUSH brush = CreateSolidBrush(kOwnerColour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

bool Near(COLORREF a, COLORREF b)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= kTolerance && std::abs(GetGValue(a) - GetGValue(b)) <= kTolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= kTolerance;
}

}  // namespace

void FaultTest::SetUp()
{
    HostTest::SetUp();
    WNDCLASSW wc = {};
    wc.lpfnWndProc = OwnerProc;
    wc.lpszClassName = kOwnerClass;
    RegisterClassW(&wc);
    owner = CreateWindowExW(0, kOwnerClass, TEXT("owner"), WS_POPUP | WS_VISIBLE, 0, 0, 800, 480, nullptr, nullptr,
                            nullptr, nullptr);
    SetWindowLongPtrW(owner, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    wincore::Pump();
}

void FaultTest::TearDown()
{
    DestroyWindow(owner);
    HostTest::TearDown();
}

LRESULT CALLBACK FaultTest::OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* test = reinterpret_cast<FaultTest*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        Fill(dc, paint.rcPaint);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_NAVLV_PAINTBK:
    case WM_NAVCTRL_PAINTBK: {
        const RECT& area = *reinterpret_cast<const RECT*>(lParam);
        Fill(reinterpret_cast<HDC>(wParam), RECT{0, 0, area.right - area.left, area.bottom - area.top});
        return 1;
    }
    case WM_DRAWITEM: return SendMessageW(reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem, message, wParam, lParam);
    case WM_COMMAND:
    case WM_NAVLV_ITEMNOTIFY:
    case WM_NAVLV_PAGESCROLL:
        if (test && test->onNotify) {
            // A copy: the handler may replace itself.
            auto handler = test->onNotify;
            handler(message, wParam, lParam);
        }
        return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

void Tap(int x, int y)
{
    wincore::PenDown(x, y);
    wincore::PenUp(x, y);
}

int PixelsNear(const RECT& area, COLORREF colour)
{
    int count = 0;
    for (int y = area.top; y < area.bottom; y++)
        for (int x = area.left; x < area.right; x++)
            if (Near(wincore::ScreenPixel(x, y), colour)) count++;
    return count;
}
