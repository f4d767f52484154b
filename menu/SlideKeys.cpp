// The sliding panel's keys: Up and Down move the hot item, Enter picks it as a tap does (the
// panel stays open), Escape closes it as its close button does. The panel, a child of its owner,
// takes the focus only when a key opens it, so that the pen's traffic stays as it was.
#include "menu/MenuKeys.h"
#include "menu/SlideMenuWnd.h"
#include "menu/SlideTimers.h"

void CSlideMenuWnd::OnKeyDown(WPARAM key)
{
    switch (key) {
    case VK_UP:
    case VK_DOWN:
        if (menu::StepHot(items, key == VK_DOWN ? +1 : -1)) InvalidateRect(hWnd, nullptr, TRUE);
        break;
    case VK_RETURN:
        if (const tagMW_Item* hot = menu::HotItem(items)) SendPick(hOwner, hWnd, *hot);
        break;
    case VK_ESCAPE:
        if (motionTimer != slide::kClosingTimer) StartClosing();
        break;
    default: break;
    }
}

// Opened from a key, the panel starts with its first item hot and takes the keys that follow.
void CSlideMenuWnd::TakeKeys()
{
    menu::HotFirst(items);
    SetFocus(hWnd);
}

// As Win32 does when a focused child goes: the focus returns to the panel's parent, its owner.
void CSlideMenuWnd::ReturnFocus()
{
    if (IsWindow(hWnd) && GetFocus() == hWnd && IsWindow(hOwner)) SetFocus(hOwner);
}
