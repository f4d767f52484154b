// The subclass procedure for a drop list made of a system list box. The library never installs
// it; it is exported for hosts that build their combo box that way.
#include <vector>

#include "NavComboboxEx.h"
#include "kit/Guard.h"

namespace {

constexpr COLORREF kListBackground = 0x00CCCCCC;

}  // namespace

LRESULT CALLBACK CNavComboboxEx::ComboboxListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* combo = reinterpret_cast<CNavComboboxEx*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!combo) return 0;
    WNDPROC old = combo->oldListBoxProc;
    HWND listBox = combo->hListBox;
    return kit::Guarded(
        [&]() -> LRESULT {
            switch (message) {
            case WM_KILLFOCUS:
                if (::IsWindowVisible(listBox)) ShowWindow(listBox, SW_HIDE);
                break;
            case WM_CTLCOLORLISTBOX:
                SetBkColor(reinterpret_cast<HDC>(wParam), kListBackground);
                SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
                return reinterpret_cast<LRESULT>(GetStockObject(GRAY_BRUSH));
            case WM_LBUTTONUP: {
                LRESULT selection = SendMessageW(listBox, LB_GETCURSEL, 0, 0);
                if (selection < 0 || !::IsWindowVisible(listBox)) break;
                LRESULT length = SendMessageW(listBox, LB_GETTEXTLEN, WPARAM(selection), 0);
                if (length < 1) break;
                InvalidateRect(combo->hEdit, nullptr, TRUE);
                std::vector<WCHAR> text(size_t(length) + 1);
                SendMessageW(listBox, LB_GETTEXT, WPARAM(selection), reinterpret_cast<LPARAM>(text.data()));
                text[size_t(length)] = 0;
                SetWindowTextW(combo->hEdit, text.data());
                ShowWindow(listBox, SW_HIDE);
                break;
            }
            default: break;
            }
            return old ? CallWindowProcW(old, hwnd, message, wParam, lParam) : 0;
        },
        [&] { return old ? CallWindowProcW(old, hwnd, message, wParam, lParam) : 0; });
}
