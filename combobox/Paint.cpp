// Painting the field: the owner's background, the PNG frame cut into text part and button,
// and the shown text, composed off screen and copied once.
#include "NavComboboxEx.h"
#include "combobox/ComboDefs.h"
#include "frame/Module.h"
#include "frame/NavImage.h"
#include "kit/FocusCue.h"
#include "kit/Offscreen.h"
#include "resources/resource.h"

using namespace combobox;

RECT CNavComboboxEx::FieldRectInOwner()
{
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(hEdit, &rect);
    MapWindowPoints(nullptr, GetParent(hEdit), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void CNavComboboxEx::OnComboxOnPaint(HDC hdc, RECT*)
{
    RECT client = {0, 0, 0, 0};
    GetClientRect(hEdit, &client);
    const int l = client.left, t = client.top, r = client.right, b = client.bottom;
    const int width = r - l, height = b - t, button = buttonWidth;

    kit::OffscreenPicture picture(hdc, width, height);
    HDC memory = picture.dc;

    RECT inOwner = FieldRectInOwner();
    SendMessageW(GetParent(hEdit), WM_NAVCTRL_PAINTBK, reinterpret_cast<WPARAM>(memory),
                 reinterpret_cast<LPARAM>(&inOwner));

    CNavImage frame;
    if (frame.LoadFromResource(enabled ? IDR_COMBO_NORMAL : IDR_COMBO_DISABLED, GetModuleInstance(), TEXT("PNG"))) {
        const int iw = frame.GetWidth(), ih = frame.GetHeight();
        frame.DrawStretch(memory, l, t, r - button - l, height, 0, 0, iw - button, ih);
        frame.DrawStretch(memory, r - button, t, button, height, iw - button, 0, button, fieldHeight);
    }
    frame.Unload();

    HGDIOBJ oldFont = font ? SelectObject(memory, font) : nullptr;
    if (pszText && pszText[0]) {
        RECT area = {l + kTextInset, t, r - button, b};
        COLORREF oldColor = enabled ? 0 : SetTextColor(memory, kDisabledText);
        DrawTextW(memory, pszText.get(), -1, &area, kTextFlags);
        if (!enabled) SetTextColor(memory, oldColor);
    }
    if (oldFont) SelectObject(memory, oldFont);
    if (fieldCue->Shown(hEdit)) kit::FocusCue::Draw(memory, client);
    BitBlt(hdc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
}

int CNavComboboxEx::OnPaintEx(HDC hdc)
{
    if (!hdc || !::IsWindow(hEdit)) return 0;  // without a field there is nothing to place
    RECT inOwner = FieldRectInOwner();
    RECT client = {0, 0, 0, 0};
    GetClientRect(hEdit, &client);
    kit::OffscreenPicture picture(hdc, client.right, client.bottom);
    if (!picture.Ready()) return 0;  // larger than any bitmap: nothing painted
    OnComboxOnPaint(picture.dc, nullptr);
    BitBlt(hdc, inOwner.left, inOwner.top, inOwner.right - inOwner.left, inOwner.bottom - inOwner.top, picture.dc, 0,
           0, SRCCOPY);
    return 1;
}
