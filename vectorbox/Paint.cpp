// Drawing: the owner's background, the frame (library pictures or the owner's image), and the
// shown item split with its neighbour by the running slide, composed off screen and copied once.
#include "frame/Module.h"
#include "frame/NavImage.h"
#include "kit/FocusCue.h"
#include "kit/Offscreen.h"
#include "kit/StoredText.h"
#include "resources/resource.h"
#include "vectorbox/VectorBoxDefs.h"

using namespace vectorbox;

namespace {

void DrawCap(CNavImage& frame, HDC dc, const RECT& box, int which)
{
    const int height = box.bottom - box.top;
    if (which == 0)
        frame.DrawStretch(dc, box.left, box.top, kCapWidth, height, 0, 0, kCapWidth, kFrameHeight);
    else
        frame.DrawStretch(dc, box.right - kCapWidth, box.top, kCapWidth, height, frame.GetWidth() - kCapWidth, 0,
                          kCapWidth, kFrameHeight);
}

void DrawWholeFrame(CNavImage& frame, HDC dc, const RECT& box)
{
    const int middle = (box.right - kCapWidth) - (box.left + kCapWidth);
    DrawCap(frame, dc, box, 0);
    DrawCap(frame, dc, box, 1);
    frame.DrawStretch(dc, box.left + kCapWidth, box.top, middle, box.bottom - box.top, kCapWidth, 0,
                      frame.GetWidth() - 2 * kCapWidth, kFrameHeight);
}

}  // namespace

void CNavVectorBox::OnDraw(WPARAM, LPARAM lParam, HDC hdc)
{
    HDC target = hdc;
    RECT area = {0, 0, 0, 0};
    if (target) {
        GetClientRect(hWnd, &area);
    } else {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (!item) return;
        target = item->hDC;
        area = item->rcItem;
    }
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (!target || width <= 0 || height <= 0) return;
    kit::OffscreenPicture memory(target, width, height);
    if (!memory.Ready()) return;
    const RECT box = {0, 0, width, height};

    RequestBackground(memory.dc);
    HGDIOBJ oldFont = font ? SelectObject(memory.dc, font) : nullptr;
    if (ownerDrawImage)
        DrawOwnerFrame(memory.dc, box);
    else
        DrawDefaultFrame(memory.dc, box);
    SetBkMode(memory.dc, TRANSPARENT);
    COLORREF oldColor = ::SetTextColor(memory.dc, textColor);
    DrawItems(memory.dc, box);
    if (focusCue && focusCue->Shown(hWnd)) kit::FocusCue::Draw(memory.dc, box);
    ::SetTextColor(memory.dc, oldColor);
    BitBlt(target, area.left, area.top, width, height, memory.dc, 0, 0, SRCCOPY);
    if (oldFont) SelectObject(memory.dc, oldFont);
}

void CNavVectorBox::RequestBackground(HDC dc)
{
    RECT rect;
    if (!GetWindowRect(hWnd, &rect)) return;
    POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    ScreenToClient(hOwner, &corners[0]);
    ScreenToClient(hOwner, &corners[1]);
    rect = {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    SendMessageW(hOwner, WM_NAVCTRL_PAINTBK, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(&rect));
}

// The library's frame exists for the horizontal box only; its pictures are decoded per paint.
void CNavVectorBox::DrawDefaultFrame(HDC dc, const RECT& box)
{
    if (boxType != VBOX_HORZ) return;
    CNavImage frame;
    if (frame.LoadFromResource(IDR_VBOX_FRAME, GetModuleInstance(), TEXT("PNG"))) DrawWholeFrame(frame, dc, box);
    frame.Unload();
    if (pressedPass != 0 && pressedPass != 1) return;
    if (frame.LoadFromResource(IDR_VBOX_FRAME_DOWN, GetModuleInstance(), TEXT("PNG")))
        DrawCap(frame, dc, box, pressedPass);
    frame.Unload();
}

void CNavVectorBox::DrawOwnerFrame(HDC dc, const RECT& box)
{
    const int width = box.right - box.left, height = box.bottom - box.top;
    if (ownerDrawKind)
        static_cast<CNavImage*>(ownerDrawImage)->Draw(dc, box.left, box.top, width, height, 0, 0);
    else
        kit::CopyBitmap(dc, static_cast<HBITMAP>(ownerDrawImage), box.left, box.top, width, height);
    if (pressedPass != 0 && pressedPass != 1) return;
    RECT pressed = passRect[pressedPass];
    InflateRect(&pressed, -kPressedInset, -kPressedInset);
    InvertRect(dc, &pressed);
}

// The middle field, between the arrows' widths in both orientations, is shared by the shown item
// and, while a slide runs, the neighbour it came from.
void CNavVectorBox::DrawItems(HDC dc, const RECT& box)
{
    if (curSel < 0 || curSel >= int(items.size())) return;
    const int left = box.left + passWidth, right = box.right - passWidth, d = slideOffset;
    const LONG top = box.top, bottom = box.bottom;
    RECT current, neighbour;
    if (boxType == VBOX_HORZ) {
        current = d > 0 ? RECT{left + d, top, right, bottom} : RECT{left, top, right + d, bottom};
        neighbour = d > 0 ? RECT{left, top, left + d, bottom} : RECT{right + d, top, right, bottom};
    } else {
        current = d > 0 ? RECT{left, top + d, right, bottom} : RECT{left, top, right, bottom + d};
        neighbour = d > 0 ? RECT{left, top, right, top + d} : RECT{left, bottom + d, right, bottom};
    }
    OnDrawItem(dc, current, curSel);
    OnDrawItem(dc, neighbour, d >= 0 ? NextIndex(curSel) : PreviousIndex(curSel));
}

void CNavVectorBox::OnDrawItem(HDC hdc, RECT rect, int index)
{
    if (!hdc || index < 0 || index >= int(items.size()) || IsRectEmpty(&rect)) return;
    const tagNAVVBITEM& item = items[size_t(index)];
    if (item.hBitmap)
        kit::CopyBitmap(hdc, item.hBitmap, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    const int length = kit::FieldLength(item.szText, NAVVB_TEXT_LEN);
    if (length > 0) DrawTextW(hdc, item.szText, length, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

int CNavVectorBox::OnPaintEx(HDC hdc)
{
    if (!hdc || !::IsWindow(hWnd)) return 0;
    RECT place, client;
    GetWindowRect(hWnd, &place);
    GetClientRect(hWnd, &client);
    POINT origin = {place.left, place.top};
    ScreenToClient(GetParent(hWnd), &origin);
    const int width = place.right - place.left, height = place.bottom - place.top;
    if (client.right <= 0 || client.bottom <= 0) return 1;
    kit::OffscreenPicture memory(hdc, client.right, client.bottom);
    if (!memory.Ready()) return 0;
    OnDraw(0, 0, memory.dc);
    BitBlt(hdc, origin.x, origin.y, width, height, memory.dc, 0, 0, SRCCOPY);
    return 1;
}
