// The menu window as a modeless dialog from the library's resources, tied to its object through
// the window's user data.
#include "menu/MenuWndCommon.h"

#include "frame/Module.h"
#include "kit/Guard.h"

HWND CMenuWndCommon::CreateMenuDialog(WORD templateId, HWND owner)
{
    HINSTANCE module = GetModuleInstance();
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(templateId), RT_DIALOG);
    if (!found) return nullptr;
    HGLOBAL loaded = LoadResource(module, found);
    if (!loaded) return nullptr;
    auto* dialogTemplate = static_cast<LPCDLGTEMPLATEW>(LockResource(loaded));
    if (!dialogTemplate) return nullptr;
    return CreateDialogIndirectParamW(module, dialogTemplate, owner, DialogProc,
                                      reinterpret_cast<LPARAM>(static_cast<CMenuWndCommon*>(this)));
}

INT_PTR CALLBACK CMenuWndCommon::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, lParam);
        if (auto* created = reinterpret_cast<CMenuWndCommon*>(lParam)) created->AttachWindow(hwnd);
    }
    auto* menu = reinterpret_cast<CMenuWndCommon*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!menu) return 0;
    // A dialog procedure's 0 leaves the message to the dialog manager's default handling.
    return INT_PTR(kit::Guarded([&] { return menu->OnMessage(hwnd, message, wParam, lParam); },
                                [] { return LRESULT(0); }));
}

void CMenuWndCommon::SetAnimationInterval(int ms)
{
    animationInterval = ms;
}

bool CMenuWndCommon::SendPick(HWND owner, HWND menuWindow, const tagMW_Item& item)
{
    SendMessageW(owner, WM_COMMAND, WPARAM(item.wID), reinterpret_cast<LPARAM>(menuWindow));
    // Only the window is asked: when the host destroyed this object, its window went with it.
    const LONG_PTR self = reinterpret_cast<LONG_PTR>(static_cast<CMenuWndCommon*>(this));
    return IsWindow(menuWindow) && GetWindowLongPtrW(menuWindow, GWLP_USERDATA) == self;
}

namespace menu {

void CloseMenuWindow(HWND& hwnd)
{
    HWND window = hwnd;
    hwnd = nullptr;
    if (!IsWindow(window)) return;
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

RECT MenuClientRect(HWND hwnd, const RECT& fallback)
{
    RECT client = {0, 0, fallback.right - fallback.left, fallback.bottom - fallback.top};
    if (IsWindow(hwnd)) GetClientRect(hwnd, &client);
    return client;
}

POINT PositionInParent(HWND hwnd)
{
    RECT screen = {0, 0, 0, 0};
    GetWindowRect(hwnd, &screen);
    POINT corner = {screen.left, screen.top};
    ScreenToClient(GetParent(hwnd), &corner);
    return corner;
}

}  // namespace menu
