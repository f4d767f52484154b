// Creating and destroying windows.
#include <algorithm>

#include "window/manager.h"

namespace wincore {

namespace {

void Unlink(HWND hwnd, Window* window)
{
    auto remove = [hwnd](std::vector<HWND>& list) { list.erase(std::remove(list.begin(), list.end(), hwnd), list.end()); };
    if (Window* parent = window->IsChild() ? FindWindow(window->parent) : nullptr)
        remove(parent->children);
    else
        remove(WM().topLevels);
}

void LinkTopLevel(HWND hwnd, const Window* window)
{
    auto& list = WM().topLevels;
    auto position = list.begin();
    // Plain windows go below the topmost band.
    if (!(window->exStyle & WS_EX_TOPMOST))
        while (position != list.end() && (FindWindow(*position)->exStyle & WS_EX_TOPMOST)) ++position;
    list.insert(position, hwnd);
}

std::unique_ptr<Window> MakeWindow(std::shared_ptr<WindowClass> windowClass, DWORD exStyle, LPCWSTR name,
                                   DWORD style, RECT rect, HWND parent, HMENU menu, HINSTANCE instance)
{
    auto window = std::make_unique<Window>();
    window->proc = windowClass->proc;
    window->windowClass = std::move(windowClass);
    window->exStyle = exStyle;
    window->style = style & ~WS_VISIBLE;
    window->instance = instance;
    window->rect = rect;
    if (name && !IS_INTRESOURCE(name)) window->text = name;
    // A child's menu slot is its identifier; a top-level window has none until GWLP_ID is set.
    window->id = (style & WS_CHILD) ? reinterpret_cast<UINT_PTR>(menu) : 0;
    if (style & WS_CHILD)
        window->parent = parent;
    else
        window->owner = TopLevelOf(parent);
    return window;
}

RECT InitialRect(int x, int y, int width, int height)
{
    if (x == CW_USEDEFAULT) x = y = 0;
    if (width == CW_USEDEFAULT) {
        width = WM().config.screenWidth;
        height = WM().config.screenHeight;
    }
    width = std::max(width, 0);
    height = std::max(height, 0);
    return RECT{x, y, x + width, y + height};
}

void SendCreationMessages(HWND hwnd, CREATESTRUCTW& create, bool& failed)
{
    failed = !Deliver(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create));
    if (failed || !FindWindow(hwnd)) return;
    failed = Deliver(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1;
    if (failed || !FindWindow(hwnd)) return;
    Window* window = FindWindow(hwnd);
    Deliver(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(window->Width(), window->Height()));
    if ((window = FindWindow(hwnd)))
        Deliver(hwnd, WM_MOVE, 0, MAKELPARAM(window->rect.left, window->rect.top));
}

void SendDestroy(HWND hwnd)
{
    Deliver(hwnd, WM_DESTROY, 0, 0);
    Window* window = FindWindow(hwnd);
    if (!window) return;
    std::vector<HWND> children = window->children;
    for (HWND child : children)
        if (FindWindow(child)) SendDestroy(child);
}

void Release(HWND hwnd)
{
    Window* window = FindWindow(hwnd);
    if (!window) return;
    std::vector<HWND> children = window->children;
    for (HWND child : children) Release(child);
    Deliver(hwnd, WM_NCDESTROY, 0, 0);
    if (!(window = FindWindow(hwnd))) return;
    // Here rather than in the dialog procedure: a template may name another class, and a dialog
    // procedure may answer WM_NCDESTROY itself.
    if (window->ownedFont) DeleteObject(window->ownedFont);
    window->ownedFont = window->font = nullptr;
    Manager& wm = WM();
    if (wm.focus == hwnd) wm.focus = nullptr;
    if (wm.active == hwnd) wm.active = nullptr;
    if (wm.capture == hwnd) wm.capture = nullptr;
    if (wm.lastDownWindow == hwnd) wm.lastDownWindow = nullptr;
    KillTimersOf(hwnd);
    PurgeMessages(hwnd);
    Unlink(hwnd, window);
    std::unique_ptr<Object> object = Handles().Remove(hwnd);
    if (window->busy > 0) wm.graveyard.push_back(std::move(object));
}

void DestroyOwnedWindows(HWND owner)
{
    std::vector<HWND> owned;
    for (HWND top : WM().topLevels)
        if (FindWindow(top)->owner == owner) owned.push_back(top);
    for (HWND hwnd : owned) DestroyWindow(hwnd);
}

}  // namespace

void FreeIfReleased(Window* window)
{
    if (window->busy > 0) return;
    auto& graveyard = WM().graveyard;
    auto found = std::find_if(graveyard.begin(), graveyard.end(), [window](auto& o) { return o.get() == window; });
    if (found != graveyard.end()) graveyard.erase(found);
}

}  // namespace wincore

using namespace wincore;

WINCORE_API HWND WINAPI CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                                        int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                                        LPVOID param)
{
    RegisterSystemClasses();
    std::shared_ptr<WindowClass> windowClass = FindClass(className);
    if (!windowClass) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    if (parent && !FindWindow(parent)) return nullptr;
    if ((style & WS_CHILD) && !parent) return nullptr;
    // A top-level window's menu slot names a menu, and wincore has none to name.
    if (!(style & WS_CHILD) && menu) {
        SetLastError(ERROR_INVALID_MENU_HANDLE);
        return nullptr;
    }

    RECT rect = InitialRect(x, y, width, height);
    auto made = MakeWindow(windowClass, exStyle, windowName, style, rect, parent, menu, instance);
    Window* window = made.get();
    if (!(style & WS_CHILD)) ResizeSurface(window);
    HWND hwnd = static_cast<HWND>(Register(std::move(made))->handle);
    // As on Win32 a new child goes below its siblings: creation order is z-order, topmost first.
    if (style & WS_CHILD)
        FindWindow(parent)->children.push_back(hwnd);
    else
        LinkTopLevel(hwnd, window);

    CREATESTRUCTW create = {param, instance, menu, parent, int(rect.bottom - rect.top), int(rect.right - rect.left),
                            int(rect.top), int(rect.left), LONG(style), windowName, className, exStyle};
    bool failed = false;
    SendCreationMessages(hwnd, create, failed);
    if (failed) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!FindWindow(hwnd)) return nullptr;
    if (style & WS_VISIBLE) ShowWindow(hwnd, SW_SHOW);
    return hwnd;
}

WINCORE_API BOOL WINAPI DestroyWindow(HWND hwnd)
{
    Window* window = FindWindow(hwnd);
    if (!window || window->destroying) return FALSE;
    window->destroying = true;
    if (window->Visible()) SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE |
                                                                        SWP_NOZORDER | SWP_NOACTIVATE);
    ReleaseCaptureWithin(hwnd);
    DestroyOwnedWindows(hwnd);
    if (!FindWindow(hwnd)) return TRUE;
    SendDestroy(hwnd);
    LoseFocusWithin(hwnd);
    Release(hwnd);
    return TRUE;
}

WINCORE_API BOOL WINAPI IsWindow(HWND hwnd)
{
    return FindWindow(hwnd) != nullptr;
}

WINCORE_API HWND WINAPI GetParent(HWND hwnd)
{
    Window* window = FindWindow(hwnd);
    if (!window) return nullptr;
    return window->IsChild() ? window->parent : window->owner;
}

WINCORE_API HWND WINAPI GetWindow(HWND hwnd, UINT relation)
{
    Window* window = FindWindow(hwnd);
    if (!window) return nullptr;
    if (relation == GW_OWNER) return window->IsChild() ? nullptr : window->owner;
    if (relation == GW_CHILD) return window->children.empty() ? nullptr : window->children.front();
    Window* parent = window->IsChild() ? FindWindow(window->parent) : nullptr;
    const std::vector<HWND>& siblings = parent ? parent->children : WM().topLevels;
    auto at = std::find(siblings.begin(), siblings.end(), hwnd);
    if (at == siblings.end()) return nullptr;
    switch (relation) {
    case GW_HWNDFIRST: return siblings.front();
    case GW_HWNDLAST: return siblings.back();
    case GW_HWNDNEXT: return at + 1 == siblings.end() ? nullptr : *(at + 1);
    case GW_HWNDPREV: return at == siblings.begin() ? nullptr : *(at - 1);
    default: return nullptr;
    }
}

WINCORE_API int WINAPI GetDlgCtrlID(HWND hwnd)
{
    Window* window = FindWindow(hwnd);
    return window ? int(window->id) : 0;
}

WINCORE_API HWND WINAPI GetDlgItem(HWND dialog, int id)
{
    Window* window = FindWindow(dialog);
    if (!window) return nullptr;
    for (HWND child : window->children)
        if (int(FindWindow(child)->id) == id) return child;
    return nullptr;
}

WINCORE_API LONG_PTR WINAPI GetWindowLongPtrW(HWND hwnd, int index)
{
    Window* window = FindWindow(hwnd);
    if (!window) return 0;
    switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(window->proc);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(window->instance);
    case GWLP_ID: return LONG_PTR(window->id);
    case GWL_STYLE: return LONG_PTR(LONG(window->style));
    case GWL_EXSTYLE: return LONG_PTR(LONG(window->exStyle));
    case GWLP_USERDATA: return window->userData;
    case DWLP_MSGRESULT: return window->dialogProc ? window->dialogResult : 0;
    default: return 0;
    }
}

WINCORE_API LONG_PTR WINAPI SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value)
{
    Window* window = FindWindow(hwnd);
    if (!window) return 0;
    LONG_PTR previous = GetWindowLongPtrW(hwnd, index);
    switch (index) {
    case GWLP_WNDPROC:
        if (!value) return 0;
        window->proc = reinterpret_cast<WNDPROC>(value);
        break;
    case GWLP_HINSTANCE: window->instance = reinterpret_cast<HINSTANCE>(value); break;
    case GWLP_ID: window->id = UINT_PTR(value); break;
    case GWL_STYLE: window->style = DWORD(value); break;
    case GWL_EXSTYLE: window->exStyle = DWORD(value); break;
    case GWLP_USERDATA: window->userData = value; break;
    case DWLP_MSGRESULT:
        if (!window->dialogProc) return 0;
        window->dialogResult = value;
        break;
    default: return 0;
    }
    return previous;
}

WINCORE_API LONG WINAPI GetWindowLongW(HWND hwnd, int index)
{
    return LONG(GetWindowLongPtrW(hwnd, index));
}

WINCORE_API LONG WINAPI SetWindowLongW(HWND hwnd, int index, LONG value)
{
    return LONG(SetWindowLongPtrW(hwnd, index, value));
}

WINCORE_API BOOL WINAPI SetWindowTextW(HWND hwnd, LPCWSTR text)
{
    if (!FindWindow(hwnd)) return FALSE;
    return BOOL(SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0);
}

WINCORE_API int WINAPI GetWindowTextW(HWND hwnd, LPWSTR buffer, int maxCount)
{
    if (!FindWindow(hwnd) || !buffer || maxCount <= 0) return 0;
    return int(SendMessageW(hwnd, WM_GETTEXT, WPARAM(maxCount), reinterpret_cast<LPARAM>(buffer)));
}

WINCORE_API int WINAPI GetWindowTextLengthW(HWND hwnd)
{
    if (!FindWindow(hwnd)) return 0;
    return int(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

WINCORE_API BOOL WINAPI EnableWindow(HWND hwnd, BOOL enable)
{
    Window* window = FindWindow(hwnd);
    if (!window) return FALSE;
    BOOL wasDisabled = (window->style & WS_DISABLED) != 0;
    if (bool(enable) == !wasDisabled) return wasDisabled;
    if (enable) {
        window->style &= ~WS_DISABLED;
    } else {
        // The window ends what it is in the middle of (a press holding the capture) first.
        Deliver(hwnd, WM_CANCELMODE, 0, 0);
        window = FindWindow(hwnd);
        if (!window) return wasDisabled;
        window->style |= WS_DISABLED;
        if (IsWithin(WM().focus, hwnd)) SetFocus(nullptr);
        ReleaseCaptureWithin(hwnd);
    }
    Deliver(hwnd, WM_ENABLE, WPARAM(enable != 0), 0);
    return wasDisabled;
}

WINCORE_API BOOL WINAPI IsWindowEnabled(HWND hwnd)
{
    Window* window = FindWindow(hwnd);
    return window && !(window->style & WS_DISABLED);
}
