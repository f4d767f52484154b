// The subclass procedure for a drop list made of a system list box. The library never installs
// it; it is exported for hosts that build their combo box that way.
#include "NavComboboxEx.h"

namespace {

constexpr UINT kCtlColorListBox = 0x0134;  // WM_CTLCOLORLISTBOX
constexpr UINT kGetCurSel = 0x0188;        // LB_GETCURSEL
constexpr UINT kGetText = 0x0189;          // LB_GETTEXT
constexpr UINT kGetTextLen = 0x018A;       // LB_GETTEXTLEN
constexpr COLORREF kListBackground = 0x00CCCCCC;

}  // namespace

LRESULT CALLBACK CNavComboboxEx::ComboboxListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* combo = reinterpret_cast<CNavComboboxEx*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!combo) return 0;
    WNDPROC old = combo->oldListBoxProc;
    HWND listBox = combo->hListBox;
    switch (message) {
    case WM_KILLFOCUS:
        if (::IsWindowVisible(listBox)) ShowWindow(listBox, SW_HIDE);
        break;
    case kCtlColorListBox:
        SetBkColor(reinterpret_cast<HDC>(wParam), kListBackground);
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(GRAY_BRUSH));
    case WM_LBUTTONUP: {
        LRESULT selection = SendMessageW(listBox, kGetCurSel, 0, 0);
        if (selection < 0 || !::IsWindowVisible(listBox)) break;
        LRESULT length = SendMessageW(listBox, kGetTextLen, WPARAM(selection), 0);
        if (length < 1) break;
        InvalidateRect(combo->hEdit, nullptr, TRUE);
        WCHAR* text = new WCHAR[size_t(length) + 1]();
        SendMessageW(listBox, kGetText, WPARAM(selection), reinterpret_cast<LPARAM>(text));
        text[length] = 0;
        SetWindowTextW(combo->hEdit, text);
        delete[] text;
        ShowWindow(listBox, SW_HIDE);
        break;
    }
    default: break;
    }
    return old ? CallWindowProcW(old, hwnd, message, wParam, lParam) : 0;
}
