#include "FocusCue.h"

namespace kit {

void FocusCue::SetKeyed(HWND wnd, bool keyed)
{
    if (keyed == keyed_) return;
    keyed_ = keyed;
    if (GetFocus() == wnd) InvalidateRect(wnd, nullptr, FALSE);
}

void FocusCue::Observe(HWND wnd, UINT msg, WPARAM wParam)
{
    switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: SetKeyed(wnd, true); break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: SetKeyed(wnd, false); break;
    case WM_UPDATEUISTATE:
        if (HIWORD(wParam) & UISF_HIDEFOCUS) {
            if (LOWORD(wParam) == UIS_CLEAR) SetKeyed(wnd, true);
            if (LOWORD(wParam) == UIS_SET) SetKeyed(wnd, false);
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (keyed_) InvalidateRect(wnd, nullptr, FALSE);
        break;
    default: break;
    }
}

void FocusCue::Draw(HDC dc, const RECT& area)
{
    if (area.right - area.left <= 2 * kWidth || area.bottom - area.top <= 2 * kWidth) return;
    HBRUSH brush = CreateSolidBrush(GetSysColor(COLOR_HIGHLIGHT));
    if (!brush) return;
    const RECT edges[] = {
        {area.left, area.top, area.right, area.top + kWidth},
        {area.left, area.bottom - kWidth, area.right, area.bottom},
        {area.left, area.top + kWidth, area.left + kWidth, area.bottom - kWidth},
        {area.right - kWidth, area.top + kWidth, area.right, area.bottom - kWidth},
    };
    for (const RECT& edge : edges) FillRect(dc, &edge, brush);
    DeleteObject(brush);
}

}  // namespace kit
