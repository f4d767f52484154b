// The vector box's keys: the arrows of its direction step as a tap on that arrow does, Enter and
// Space click as a button does, and WM_GETDLGCODE asks a dialog manager for exactly these.
#include "vectorbox/VectorBoxDefs.h"

using namespace vectorbox;

namespace {

// -1 for the key of the first arrow (left or top), +1 for the second's, 0 for other keys.
int ArrowDirection(VBoxType type, WPARAM key)
{
    const WPARAM back = type == VBOX_VERT ? VK_UP : VK_LEFT;
    const WPARAM forward = type == VBOX_VERT ? VK_DOWN : VK_RIGHT;
    return key == back ? -1 : key == forward ? +1 : 0;
}

bool IsClickKey(WPARAM key)
{
    return key == VK_RETURN || key == VK_SPACE;
}

bool IsArrowKey(WPARAM key)
{
    return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

}  // namespace

bool CNavVectorBox::OwnsKey(WPARAM key) const
{
    return IsClickKey(key) || ArrowDirection(boxType, key) != 0;
}

// A held arrow steps on with the key's repeats; a held Enter or Space clicks once, as a button's
// press does.
void CNavVectorBox::OnKeyDown(WPARAM key, LPARAM lParam)
{
    if (IsClickKey(key)) {
        if (!(HIWORD(lParam) & KF_REPEAT)) NotifyClick();
        return;
    }
    const int direction = ArrowDirection(boxType, key);
    if (!direction) return;
    SetPassControlWidth(passWidth);
    InvalidateRect(hWnd, nullptr, FALSE);
    Step(direction);
}

// A button, but never a push button: the dialog manager would restyle one as the default button,
// and the box's owner-drawn style would go. The arrows across the box stay the dialog's, to move
// within the group.
LRESULT CNavVectorBox::DialogCode(const MSG* msg) const
{
    const LRESULT code = DLGC_BUTTON | DLGC_WANTARROWS;
    if (!msg || msg->message != WM_KEYDOWN) return code;
    if (msg->wParam == VK_RETURN) return code | DLGC_WANTMESSAGE;
    if (IsArrowKey(msg->wParam) && !ArrowDirection(boxType, msg->wParam)) return DLGC_BUTTON;
    return code;
}
