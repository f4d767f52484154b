// The pop-up's messages: painting, hot tracking, the pick, keys, and closing on focus loss.
#include "menu/PopupMenuWnd.h"

#include "menu/MenuKeys.h"

#include "kit/Offscreen.h"

LRESULT CPopupMenuWnd::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: return 1;
    case WM_DESTROY: return 0;
    case WM_KILLFOCUS:
        Destroy();
        return 1;
    case WM_PAINT: {
        kit::PaintScope scope(hwnd);
        if (scope.dc) Paint(scope.dc, 0, 0);
        return 0;
    }
    // Consumed, so that the dialog manager does not act on it either: the menu stays.
    case WM_CLOSE: return 1;
    case WM_ERASEBKGND: return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    case WM_DRAWITEM: return 0;
    case WM_CTLCOLORDLG:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    // Every move tracks, with the pen down or a mouse hovering.
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
        OnPenTrack(menu::PenPoint(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnPenUp(menu::PenPoint(lParam));
        return 0;
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

void CPopupMenuWnd::OnPenTrack(POINT pen)
{
    menu::TrackHot(items, pen);
    InvalidateRect(hWnd, nullptr, TRUE);
}

void CPopupMenuWnd::OnPenUp(POINT pen)
{
    const tagMW_Item* chosen = menu::ItemToChoose(items, pen);
    if (!chosen) return;
    if (!SendPick(hOwner, hWnd, *chosen)) return;
    Destroy();
}
