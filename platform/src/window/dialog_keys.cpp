// Keyboard navigation in dialogs and in windows that take it for their children: Tab between
// tab stops, arrows within a group, Enter and Escape as the default and cancel buttons.
#include "window/manager.h"

namespace wincore {

namespace {

bool CanTakeFocus(HWND hwnd)
{
    Window* window = FindWindow(hwnd);
    return window && window->Visible() && !(window->style & WS_DISABLED);
}

// The dialog's controls in z-order, topmost first: the order of Win32's tab and group walks.
const std::vector<HWND>* ControlsOf(HWND dialog)
{
    Window* window = FindWindow(dialog);
    return window ? &window->children : nullptr;
}

int IndexOf(const std::vector<HWND>& controls, HWND control)
{
    for (size_t i = 0; i < controls.size(); i++)
        if (controls[i] == control) return int(i);
    return -1;
}

bool HasStyle(HWND hwnd, DWORD style)
{
    Window* window = FindWindow(hwnd);
    return window && (window->style & style);
}

// The first control of the group `index` is in: the nearest at or above it with WS_GROUP.
int GroupStart(const std::vector<HWND>& controls, int index)
{
    while (index > 0 && !HasStyle(controls[size_t(index)], WS_GROUP)) index--;
    return index;
}

int GroupEnd(const std::vector<HWND>& controls, int index)
{
    int last = int(controls.size()) - 1;
    while (index < last && !HasStyle(controls[size_t(index) + 1], WS_GROUP)) index++;
    return index;
}

// Tab: a dialog moves its focus itself (WM_NEXTDLGCTL), any other window has it moved for it.
void TabFocus(HWND dialog, HWND focus, bool back)
{
    if (IsDialogWindow(dialog)) {
        SendMessageW(dialog, WM_NEXTDLGCTL, back, FALSE);
        return;
    }
    if (HWND next = GetNextDlgTabItem(dialog, focus == dialog ? nullptr : focus, back)) SetFocus(next);
}

bool HandleKeyDown(HWND dialog, const MSG& msg)
{
    LRESULT code = SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    if (code & DLGC_WANTMESSAGE) return false;
    HWND focus = GetFocus();
    switch (msg.wParam) {
    case VK_TAB: {
        if (code & DLGC_WANTTAB) return false;
        SendMessageW(dialog, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
        TabFocus(dialog, focus, (GetKeyState(VK_SHIFT) & 0x8000) != 0);
        return true;
    }
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
        if (code & DLGC_WANTARROWS) return false;
        SendMessageW(dialog, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
        bool back = msg.wParam == VK_LEFT || msg.wParam == VK_UP;
        // As on Win32 even a window that is not a dialog is asked to move its focus; one that does
        // not answer WM_NEXTDLGCTL keeps it.
        HWND next = GetNextDlgGroupItem(dialog, msg.hwnd, back);
        SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
        return true;
    }
    case VK_ESCAPE:
        SendMessageW(dialog, WM_COMMAND, IDCANCEL, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        return true;
    case VK_RETURN: {
        if (IsWithin(focus, dialog) && focus != dialog &&
            (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)) {
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED),
                         reinterpret_cast<LPARAM>(focus));
            return true;
        }
        LRESULT defaultId = SendMessageW(dialog, DM_GETDEFID, 0, 0);
        int id = HIWORD(defaultId) == DC_HASDEFID ? LOWORD(defaultId) : IDOK;
        HWND button = GetDlgItem(dialog, id);
        if (!button || IsWindowEnabled(button))
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
        return true;
    }
    default: return false;
    }
}

}  // namespace

}  // namespace wincore

using namespace wincore;

WINCORE_API BOOL WINAPI IsDialogMessageW(HWND dialog, LPMSG msg)
{
    if (!msg || !FindWindow(dialog) || (msg->hwnd != dialog && !IsWithin(msg->hwnd, dialog))) return FALSE;
    switch (msg->message) {
    case WM_KEYDOWN:
        if (HandleKeyDown(dialog, *msg)) return TRUE;
        break;
    case WM_SYSKEYDOWN:
        // Alt shows the keyboard cues.
        if (HIWORD(msg->lParam) & KF_ALTDOWN)
            SendMessageW(dialog, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
        break;
    default: break;
    }
    TranslateMessage(msg);
    DispatchMessageW(msg);
    return TRUE;
}

WINCORE_API HWND WINAPI GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous)
{
    const std::vector<HWND>* controls = ControlsOf(dialog);
    if (!controls || controls->empty() || (control && !IsWithin(control, dialog))) return nullptr;
    int count = int(controls->size());
    int start = control ? IndexOf(*controls, control) : (previous ? 0 : count - 1);
    if (start < 0) start = 0;
    int step = previous ? -1 : 1;
    for (int i = 1; i <= count; i++) {
        HWND candidate = (*controls)[size_t(((start + step * i) % count + count) % count)];
        if (HasStyle(candidate, WS_TABSTOP) && CanTakeFocus(candidate)) return candidate;
    }
    return control;
}

WINCORE_API HWND WINAPI GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous)
{
    const std::vector<HWND>* controls = ControlsOf(dialog);
    if (!controls || controls->empty() || (control && !IsWithin(control, dialog))) return nullptr;
    int index = control ? IndexOf(*controls, control) : 0;
    if (index < 0) index = 0;
    int first = GroupStart(*controls, index);
    int last = GroupEnd(*controls, index);
    int size = last - first + 1;
    int step = previous ? -1 : 1;
    for (int i = 1; i <= size; i++) {
        HWND candidate = (*controls)[size_t(first + ((index - first + step * i) % size + size) % size)];
        if (CanTakeFocus(candidate)) return candidate;
    }
    return control;
}
