// The screen's keyboard: the tab order of its controls, where the focus goes when the screen gets
// it, and the screen's own keys (F10: the sliding menu, M: the pop-up at the map's centre), which
// work wherever the focus is on the screen.
#include "map_screen.h"

#include "layout.h"

namespace demo {

namespace {

constexpr UINT kSwapOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

MapScreen* ScreenOf(HWND hwnd)
{
    return reinterpret_cast<MapScreen*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

}  // namespace

void MapScreen::SetUpKeys()
{
    HWND order[] = {GetDlgItem(hwnd_, kListId), GetDlgItem(hwnd_, kRouteComboId), GetDlgItem(hwnd_, kZoomBoxId),
                    GetDlgItem(hwnd_, kModeBoxId)};
    // Tab follows the z-order, topmost first: the order is set here, not left to the creation order.
    HWND above = HWND_TOP;
    for (HWND control : order) {
        if (!control) continue;
        SetWindowPos(control, above, 0, 0, 0, 0, kSwapOnly);
        above = control;
        // The control sees the screen's keys before the screen could: they are taken on their way in.
        keyed_.push_back(Keyed{control, reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
                                            control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProc)))});
    }
    lastFocus_ = order[0];
}

LRESULT CALLBACK MapScreen::ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    MapScreen* screen = ScreenOf(GetParent(hwnd));
    WNDPROC next = screen ? screen->NextProc(hwnd) : nullptr;
    if (!next) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_SETFOCUS) screen->lastFocus_ = hwnd;
    if (screen->OnScreenKey(message, wParam)) return 0;
    return CallWindowProcW(next, hwnd, message, wParam, lParam);
}

WNDPROC MapScreen::NextProc(HWND control) const
{
    for (const Keyed& keyed : keyed_)
        if (keyed.control == control) return keyed.next;
    return nullptr;
}

bool MapScreen::OnScreenKey(UINT message, WPARAM wParam)
{
    if (!controls_) return false;
    if (message == WM_SYSKEYDOWN && wParam == VK_F10) {
        OpenPanel();
        Show(KeyNotice(TEXT("WM_SYSKEYDOWN"), TEXT("VK_F10"), TEXT("F10: the sliding panel opens")));
        return true;
    }
    // The character, not the key: M works with Shift or Caps Lock and wherever a layout puts it.
    if (message == WM_CHAR && (wParam == 'm' || wParam == 'M')) {
        const layout::Box& map = layout::kMapArea;
        OpenPopup((map.left + map.right) / 2, (map.top + map.bottom) / 2);
        const Text key = Text(TEXT("'")) + WCHAR(wParam) + TEXT("'");
        Show(KeyNotice(TEXT("WM_CHAR"), key, TEXT("M: the pop-up at the map's centre")));
        return true;
    }
    return false;
}

// As a dialog does: the focus given to the screen goes on to the control that had it last.
void MapScreen::PassFocus()
{
    if (IsWindow(lastFocus_) && IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_)) SetFocus(lastFocus_);
}

}  // namespace demo
