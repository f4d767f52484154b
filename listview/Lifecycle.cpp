// The list's window, its creation and destruction, copies, and the window procedure.
#include "frame/Module.h"
#include "frame/NavImage.h"
#include "kit/Backdrop.h"
#include "kit/FocusCue.h"
#include "kit/Guard.h"
#include "kit/Offscreen.h"
#include "listview/ListViewDefs.h"

using namespace listview;

NavListViewEx::NavListViewEx()
    : scroller(std::make_unique<ListScroller>()), focusCue(std::make_unique<kit::FocusCue>())
{
}

// A copy starts uncreated, so the two objects never release the same handle.
NavListViewEx::NavListViewEx(const NavListViewEx& other) : NavListViewEx()
{
    *this = other;
}

NavListViewEx& NavListViewEx::operator=(const NavListViewEx& other)
{
    if (this == &other) return *this;
    ReleaseResource();
    NavListSettings::operator=(other);
    NavListPlacement::operator=(other);
    NavListState::operator=(other);
    // The copy has no snapshot of its own yet, and the pen is on the source's window.
    snapshotFresh = NavListState().snapshotFresh;
    penDown = NavListState().penDown;
    *scroller = *other.scroller;
    return *this;
}

NavListViewEx::~NavListViewEx()
{
    ReleaseResource();
}

void NavListViewEx::ReleaseResource()
{
    if (::IsWindow(hWnd)) DestroyWindow(hWnd);
    hWnd = nullptr;
    ReleaseSnapshot();
    hBorderPen.Reset();
    hCheckedBmp.Reset();
    hUncheckedBmp.Reset();
    hArrowImages.Reset();
    pPageBarImage.Reset();
    items.clear();
    visibleRows.clear();
    for (HFONT& font : hFonts) font = nullptr;
    hImageList = nullptr;
    pfnDrawCallback = nullptr;
}

void NavListViewEx::ReleaseSnapshot()
{
    kit::Backdrop snapshot = {hSnapshotDC, hSnapshotBmp, hSnapshotOldBmp};
    kit::ReleaseBackdrop(snapshot);
    hSnapshotDC = nullptr;
    hSnapshotBmp = nullptr;
    hSnapshotOldBmp = nullptr;
}

// Back to a new list's defaults, but for its placement (NavListPlacement), which a list keeps.
void NavListViewEx::Destroy()
{
    ReleaseResource();
    NavListSettings::operator=(NavListSettings());
    NavListState::operator=(NavListState());
    *scroller = ListScroller();
    *focusCue = kit::FocusCue();
}

int NavListViewEx::Create(HINSTANCE instance, DWORD dwStyle, RECT rect, HWND parent, UINT id, int mode)
{
    hParent = parent;
    listMode = mode;
    hInstance = instance;
    wndRect = rect;

    WNDCLASSW wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kClassName;
    RegisterClassW(&wc);  // a second list simply reuses the class

    if (!::IsWindow(hWnd)) {
        // Only a child's menu slot is its identifier (a pop-up's names a menu), so a pop-up list
        // is given its identifier once it exists.
        bool child = (dwStyle & WS_CHILD) != 0;
        HMENU slot = child ? reinterpret_cast<HMENU>(UINT_PTR(id)) : nullptr;
        hWnd = CreateWindowExW(0, kClassName, TEXT(""), dwStyle, rect.left, rect.top, rect.right - rect.left,
                               rect.bottom - rect.top, parent, slot, instance, this);
        if (hWnd && !child) SetWindowLongPtrW(hWnd, GWLP_ID, LONG_PTR(id));
    }
    if (::IsWindow(hWnd)) return 1;
    hWnd = nullptr;
    return 0;
}

LRESULT CALLBACK NavListViewEx::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    NavListViewEx* list = nullptr;
    if (message == WM_CREATE) {
        list = static_cast<NavListViewEx*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (!list) return DefWindowProcW(hwnd, message, wParam, lParam);
        list->hWnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(list));
    } else {
        list = reinterpret_cast<NavListViewEx*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!list) return DefWindowProcW(hwnd, message, wParam, lParam);
    return kit::Guarded([&] { return list->OnWndMessage(hwnd, message, wParam, lParam); },
                        [&] { return DefWindowProcW(hwnd, message, wParam, lParam); });
}

LRESULT NavListViewEx::OnWndMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Pen coordinates are unsigned 16-bit: a point above or left of the window reads near 65535.
    int x = LOWORD(lParam), y = HIWORD(lParam);
    focusCue->Observe(hwnd, message, wParam);
    switch (message) {
    case WM_CREATE: InitialResource(); break;
    case WM_MOVE: OffsetRect(&wndRect, SHORT(LOWORD(lParam)) - wndRect.left, SHORT(HIWORD(lParam)) - wndRect.top); break;
    case WM_SIZE:
        wndRect.right = wndRect.left + LOWORD(lParam);
        wndRect.bottom = wndRect.top + HIWORD(lParam);
        break;
    case WM_KILLFOCUS:
        if (listMode == NAVLV_MODE_DROPDOWN) {
            if (::IsWindowVisible(hwnd)) ShowWindow(hwnd, SW_HIDE);
            KillMovementTimers();
        }
        break;
    case WM_PAINT:
        if (wParam) {
            OnPaint(reinterpret_cast<HDC>(wParam), nullptr);
        } else {
            kit::PaintScope scope(hwnd);
            OnPaint(scope.dc, &scope.paint.rcPaint);
        }
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_TIMER: OnTimer(UINT(wParam)); return 0;
    case WM_GETDLGCODE: return OnGetDlgCode(reinterpret_cast<const MSG*>(lParam));
    // The handler may notify a receiver that deletes this list: nothing touches it afterwards.
    case WM_KEYDOWN: OnKeyDown(UINT(wParam)); return 0;
    case WM_MOUSEMOVE:
        // Only a pen on the screen drags; a desktop mouse also reports moves with its button up.
        if (wParam & MK_LBUTTON) OnMouseMove(x, y);
        break;
    case WM_LBUTTONDOWN:
        penDown = 1;
        SetCapture(hwnd);
        OnLButtonDown(x, y);
        break;
    case WM_LBUTTONUP:
        penDown = 0;
        if (GetCapture() == hwnd) ReleaseCapture();
        OnLButtonUp(x, y);
        break;
    case WM_LBUTTONDBLCLK:
        SetCapture(hwnd);
        OnLButtonDBClick(x, y);
        break;
    default: break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}
