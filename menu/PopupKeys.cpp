// The pop-up's keys: Up and Down move the hot item, Enter picks it as a tap does, Escape closes.
// The pop-up has the focus while it is shown, so its keys come to it.
#include "menu/MenuKeys.h"
#include "menu/PopupMenuWnd.h"

void CPopupMenuWnd::OnKeyDown(WPARAM key)
{
    switch (key) {
    case VK_UP:
    case VK_DOWN:
        if (menu::StepHot(items, key == VK_DOWN ? +1 : -1)) InvalidateRect(hWnd, nullptr, TRUE);
        break;
    case VK_RETURN: {
        const tagMW_Item* hot = menu::HotItem(items);
        if (hot && SendPick(hOwner, hWnd, *hot)) Destroy();
        break;
    }
    case VK_ESCAPE: Destroy(); break;
    default: break;
    }
}
