// Window classes.
#include <algorithm>

#include "window/manager.h"

namespace wincore {

namespace {

char16_t Fold(char16_t c)
{
    return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c;
}

bool SameName(const std::u16string& a, LPCWSTR b)
{
    size_t i = 0;
    for (; i < a.size(); i++)
        if (!b[i] || Fold(a[i]) != Fold(b[i])) return false;
    return b[i] == 0;
}

}  // namespace

std::shared_ptr<WindowClass> FindClass(LPCWSTR name)
{
    if (!name || IS_INTRESOURCE(name)) return nullptr;
    for (auto& windowClass : WM().classes)
        if (SameName(windowClass->name, name)) return windowClass;
    return nullptr;
}

void AddSystemClass(const char16_t* name, UINT style, WNDPROC proc)
{
    auto windowClass = std::make_shared<WindowClass>();
    windowClass->name = name;
    windowClass->style = style;
    windowClass->proc = proc;
    windowClass->system = true;
    WM().classes.push_back(windowClass);
}

void RegisterSystemClasses()
{
    if (FindClass(u"EDIT")) return;
    AddSystemClass(u"EDIT", CS_DBLCLKS, EditProc);
    AddSystemClass(u"BUTTON", CS_DBLCLKS, ButtonProc);
    AddSystemClass(kDialogClassName, CS_DBLCLKS, DialogProc);
}

void ForgetApplicationClasses()
{
    auto& classes = WM().classes;
    classes.erase(std::remove_if(classes.begin(), classes.end(), [](auto& c) { return !c->system; }), classes.end());
}

}  // namespace wincore

using namespace wincore;

WINCORE_API ATOM WINAPI RegisterClassW(const WNDCLASSW* wc)
{
    if (!wc || !wc->lpfnWndProc || !wc->lpszClassName || IS_INTRESOURCE(wc->lpszClassName)) return 0;
    RegisterSystemClasses();
    if (FindClass(wc->lpszClassName)) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    auto windowClass = std::make_shared<WindowClass>();
    windowClass->name = wc->lpszClassName;
    windowClass->style = wc->style;
    windowClass->proc = wc->lpfnWndProc;
    windowClass->instance = wc->hInstance;
    windowClass->background = wc->hbrBackground;
    WM().classes.push_back(windowClass);
    return ATOM(0xC000 + WM().classes.size());
}

WINCORE_API BOOL WINAPI UnregisterClassW(LPCWSTR name, HINSTANCE)
{
    auto windowClass = FindClass(name);
    if (!windowClass || windowClass->system) return FALSE;
    // A class with live windows stays registered, as in Win32.
    if (windowClass.use_count() > 2) return FALSE;
    auto& classes = WM().classes;
    classes.erase(std::find(classes.begin(), classes.end(), windowClass));
    return TRUE;
}
