// The panel's picture: its background (the owner's pixels under the frame, the host's bitmap or
// the dark panel skin), then the items, copied out with the key colour left transparent.
#include "menu/SlideMenuWnd.h"
#include "kit/NinePart.h"
#include "kit/Offscreen.h"

namespace {

// The whole of a picture stretched over a client taller than it, else copied 1:1 at its corner.
void CopyOrStretch(HDC dc, const RECT& client, HDC source, SIZE size)
{
    const int width = client.right - client.left, height = client.bottom - client.top;
    if (height > size.cy)
        StretchBlt(dc, client.left, client.top, width, height, source, 0, 0, size.cx, size.cy, SRCCOPY);
    else
        BitBlt(dc, client.left, client.top, size.cx, size.cy, source, 0, 0, SRCCOPY);
}

}  // namespace

void CSlideMenuWnd::PaintBackground(HDC dc, const RECT& client)
{
    if (!opaque && backdrop.dc) {
        SIZE size = {rcMenu.right - rcMenu.left, rcMenu.bottom - rcMenu.top};
        CopyOrStretch(dc, client, backdrop.dc, size);
        return;
    }
    if (hbmBackground) {
        kit::BitmapSource background(hbmBackground);
        if (background.dc) CopyOrStretch(dc, client, background.dc, background.size);
        return;
    }
    kit::DrawBitmapGrid(dc, hbmPanel, client, menu::kPanelCorner, false);
}

void CSlideMenuWnd::Paint(HDC target, int x, int y)
{
    const RECT client = menu::MenuClientRect(hWnd, rcMenu);
    const int width = client.right - client.left, height = client.bottom - client.top;
    if (width <= 0 || height <= 0) return;
    kit::OffscreenPicture picture(target, width, height);
    PaintBackground(picture.dc, client);
    menu::DrawMenuItems(picture.dc, items, hImageList, menu::HotLook::Highlight, hbmHighlight);
    TransparentImage(target, x + client.left, y + client.top, width, height, picture.dc, 0, 0, width, height,
                     menu::kKeyColour);
}

int CSlideMenuWnd::OnPaintEx(HDC hdc)
{
    if (!hdc || !IsWindow(hWnd)) return 0;
    POINT at = menu::PositionInParent(hWnd);
    Paint(hdc, at.x, at.y);
    return 1;
}

int CSlideMenuWnd::CopyDCFromWnd(HWND wnd)
{
    if (!tracking || !IsWindow(wnd)) return 0;
    if (!kit::CaptureBackdrop(backdrop, wnd, rcMenu)) return 0;
    RECT whole = {0, 0, rcMenu.right - rcMenu.left, rcMenu.bottom - rcMenu.top};
    menu::DrawMenuFrame(frameImage, backdrop.dc, whole);
    return 1;
}

int CSlideMenuWnd::CopyDCFrom(HDC hdc, int redraw)
{
    if (!tracking || !menu::IsDeviceContext(hdc)) return 0;
    const int width = rcMenu.right - rcMenu.left, height = rcMenu.bottom - rcMenu.top;
    if (!backdrop.dc && !kit::CreateBackdrop(backdrop, hdc, width, height)) return 0;
    BitBlt(backdrop.dc, 0, 0, width, height, hdc, rcMenu.left, rcMenu.top, SRCCOPY);
    menu::DrawMenuFrame(frameImage, backdrop.dc, menu::MenuClientRect(hWnd, rcMenu));
    if (!redraw || !IsWindow(hWnd)) return 1;
    if (HDC window = GetDC(hWnd)) {
        Paint(window, 0, 0);
        ReleaseDC(hWnd, window);
    }
    return 1;
}
