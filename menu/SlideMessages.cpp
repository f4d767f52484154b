// The panel's messages: painting, the animation timers, hot tracking, picks that keep the panel
// open, the close button, and keys.
#include "menu/SlideMenuWnd.h"

#include "menu/MenuKeys.h"

#include "kit/Offscreen.h"

namespace {

// Where the most recent pen-down on any sliding panel landed, and on which panel: a close press
// must begin on the close button of the panel where it ends.
HWND lastDownWindow = nullptr;
POINT lastDownPoint = {0, 0};

}  // namespace

LRESULT CSlideMenuWnd::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: return 1;
    case WM_PAINT: {
        kit::PaintScope scope(hwnd);
        if (scope.dc) Paint(scope.dc, 0, 0);
        return 0;
    }
    case WM_ERASEBKGND: return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_CTLCOLORDLG:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    // Every move tracks, with the pen down or a mouse hovering.
    case WM_MOUSEMOVE: return OnPenTrack(menu::PenPoint(lParam));
    case WM_LBUTTONDOWN:
        lastDownWindow = hwnd;
        lastDownPoint = menu::PenPoint(lParam);
        return OnPenTrack(lastDownPoint);
    case WM_LBUTTONUP: return OnPenUp(menu::PenPoint(lParam));
    case WM_GETDLGCODE: return menu::AnswerDialogCode(hwnd, lParam);
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        return 1;
    // Not handled: the dialog manager's default. A dialog procedure that answered with
    // DefWindowProcW would claim the message and leave its result to DWLP_MSGRESULT (zero), which
    // for WM_NCHITTEST means nowhere: no pen message would reach the menu.
    default: return 0;
    }
}

LRESULT CSlideMenuWnd::OnPenTrack(POINT pen)
{
    if (closeEnabled && PtInRect(&rcClose, pen)) return 1;
    menu::TrackHot(items, pen);
    InvalidateRect(hWnd, nullptr, TRUE);
    return 0;
}

bool CSlideMenuWnd::IsClosePress(POINT pen) const
{
    return closeEnabled && PtInRect(&rcClose, pen) && lastDownWindow == hWnd && PtInRect(&rcClose, lastDownPoint);
}

// A pick leaves the panel open with the item still hot until the pen next lands elsewhere.
LRESULT CSlideMenuWnd::OnPenUp(POINT pen)
{
    if (IsClosePress(pen)) {
        StartClosing();
        return 1;
    }
    const tagMW_Item* chosen = menu::ItemToChoose(items, pen);
    if (chosen) SendPick(hOwner, hWnd, *chosen);
    return 0;
}
