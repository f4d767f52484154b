// The pop-up's picture: the captured backdrop with the frame merged into it once, then the items,
// composed off screen and copied out in one go.
#include "menu/PopupMenuWnd.h"

#include "kit/Offscreen.h"

namespace {

constexpr int kContentInset = 22;  // px, the frame's width around the items

}  // namespace

void CPopupMenuWnd::Paint(HDC target, int x, int y)
{
    const RECT client = menu::MenuClientRect(hWnd, rcMenu);
    const int width = client.right - client.left, height = client.bottom - client.top;
    const int menuWidth = rcMenu.right - rcMenu.left, menuHeight = rcMenu.bottom - rcMenu.top;
    kit::OffscreenPicture picture(target, width, height);
    if (backdrop.dc) BitBlt(picture.dc, 0, 0, menuWidth, menuHeight, backdrop.dc, 0, 0, SRCCOPY);
    if (framePending && backdrop.dc) {
        menu::DrawMenuFrame(frameImage, picture.dc, client);
        BitBlt(backdrop.dc, 0, 0, menuWidth, menuHeight, picture.dc, 0, 0, SRCCOPY);
        framePending = 0;
    }
    rcContent = client;
    InflateRect(&rcContent, -kContentInset, -kContentInset);
    menu::DrawMenuItems(picture.dc, items, hImageList, menu::HotLook::Inverted, nullptr);
    BitBlt(target, x, y, width, height, picture.dc, 0, 0, SRCCOPY);
}

int CPopupMenuWnd::OnPaintEx(HDC hdc)
{
    if (!hdc || !IsWindow(hWnd)) return 0;
    POINT at = menu::PositionInParent(hWnd);
    Paint(hdc, at.x, at.y);
    return 1;
}

int CPopupMenuWnd::CopyDCFromWnd(HWND wnd)
{
    if (!tracking || !IsWindow(wnd)) return 0;
    if (!kit::CaptureBackdrop(backdrop, wnd, rcMenu)) return 0;
    framePending = 1;
    return 1;
}

int CPopupMenuWnd::CopyDCFrom(HDC hdc, int redraw)
{
    if (!tracking || !menu::IsDeviceContext(hdc)) return 0;
    const int width = rcMenu.right - rcMenu.left, height = rcMenu.bottom - rcMenu.top;
    if (!backdrop.dc && !kit::CreateBackdrop(backdrop, hdc, width, height)) return 0;
    BitBlt(backdrop.dc, 0, 0, width, height, hdc, rcMenu.left, rcMenu.top, SRCCOPY);
    menu::DrawMenuFrame(frameImage, backdrop.dc, menu::MenuClientRect(hWnd, rcMenu));
    framePending = 0;
    if (!redraw || !IsWindow(hWnd)) return 1;
    if (HDC window = GetDC(hWnd)) {
        Paint(window, 0, 0);
        ReleaseDC(hWnd, window);
    }
    return 1;
}
