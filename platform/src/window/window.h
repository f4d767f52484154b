// Window objects and the window manager's internal interface.
#pragma once

#include <pixman.h>

#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include "core/handles.h"
#include "core/region.h"
#include "gdi/device.h"  // the window manager implements it

namespace wincore {

struct WindowClass {
    std::u16string name;
    UINT style = 0;
    WNDPROC proc = nullptr;
    HINSTANCE instance = nullptr;
    HBRUSH background = nullptr;
    bool system = false;
};

struct Window : Object {
    static constexpr Kind kKind = Kind::Window;
    ~Window() override;

    std::shared_ptr<WindowClass> windowClass;
    WNDPROC proc = nullptr;
    HWND parent = nullptr;  // child windows
    HWND owner = nullptr;   // top-level windows created with a parent handle
    DWORD style = 0;
    DWORD exStyle = 0;
    UINT_PTR id = 0;
    HINSTANCE instance = nullptr;
    LONG_PTR userData = 0;
    RECT rect = {0, 0, 0, 0};  // in the parent's client coordinates; screen coordinates for top-level windows
    std::u16string text;
    HFONT font = nullptr;
    HFONT ownedFont = nullptr;  // a dialog's font made from its template, deleted with the window
    std::vector<HWND> children;  // z-order, topmost first

    pixman_image_t* surface = nullptr;  // top-level windows: the backing surface
    Region update;                      // client coordinates
    bool erase = false;
    bool unerased = false;  // an immediate erase went unanswered: the next BeginPaint reports fErase
    unsigned invalidations = 0;

    WORD uiState = 0;  // UISF_* keyboard cues hidden (WM_QUERYUISTATE)

    int busy = 0;  // message handlers running on this window
    bool destroying = false;

    // Dialogs
    DLGPROC dialogProc = nullptr;
    LONG_PTR dialogResult = 0;
    SIZE dialogBaseUnits = {0, 0};

    // State of the system classes
    int editMarginLeft = 0;
    int editMarginRight = 0;
    bool buttonPressed = false;

    bool Visible() const { return (style & WS_VISIBLE) != 0; }
    bool IsChild() const { return (style & WS_CHILD) != 0 && parent != nullptr; }
    int Width() const { return rect.right - rect.left; }
    int Height() const { return rect.bottom - rect.top; }
};

Window* FindWindow(HWND hwnd);
HWND TopLevelOf(HWND hwnd);
bool IsReallyVisible(HWND hwnd);  // itself and every ancestor visible
POINT ClientOriginOnScreen(HWND hwnd);
POINT ClientOriginInSurface(HWND hwnd);

// System classes
void RegisterSystemClasses();
LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
extern const char16_t kDialogClassName[];
bool IsDialogWindow(HWND hwnd);  // of the dialog class

}  // namespace wincore
