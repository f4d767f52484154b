// What both menu windows share beyond their items: the dialog that is their window, the way the
// window finds its object, the pick notification, and copies.
#pragma once

#include <windows.h>

#include "RKNaviMenu.h"
#include "menu/MenuItem.h"

class CMenuWndCommon : public CRKMenuWnd {
public:
    // A new menu of the same look with the same items and settings, without a window.
    virtual CRKMenuWnd* Clone() const = 0;
    // The period of the movements' frames, checked by the facade: 0 for their own ticks. It is no
    // setting of one menu: Destroy keeps it.
    virtual void SetAnimationInterval(int ms);

protected:
    // Creates the menu window from one of the library's dialog templates; the window calls
    // AttachWindow while it is being created. NULL on failure.
    HWND CreateMenuDialog(WORD templateId, HWND owner);
    // Sends the pick of `item` to `owner` as WM_COMMAND from `menuWindow`. The host may close,
    // reopen or destroy the menu while it handles the message: false means `menuWindow` is gone,
    // and this object (perhaps freed) must not be touched any more.
    bool SendPick(HWND owner, HWND menuWindow, const tagMW_Item& item);

    virtual void AttachWindow(HWND hwnd) = 0;
    virtual LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) = 0;

    int animationInterval = 0;  // ms

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

namespace menu {

// Detaches the window from its object, then destroys it, so that the messages of its destruction
// (the focus loss among them) no longer reach the object. `hwnd` is NULL afterwards.
void CloseMenuWindow(HWND& hwnd);

// The menu window's client rectangle; `fallback`'s size while there is no window.
RECT MenuClientRect(HWND hwnd, const RECT& fallback);

// Where the menu window lies in its parent's (or owner's) client area.
POINT PositionInParent(HWND hwnd);

}  // namespace menu
