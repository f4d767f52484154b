// The "BUTTON" class: a push button that takes the focus and the pen on a pen-down and reports
// BN_CLICKED when the pen comes up over it; BS_OWNERDRAW buttons are drawn by their parent.
#include "window/manager.h"

namespace wincore {

namespace {

bool IsOwnerDraw(const Window* window)
{
    return (window->style & BS_TYPEMASK) == BS_OWNERDRAW;
}

void SetPressed(HWND hwnd, Window* window, bool pressed)
{
    if (window->buttonPressed == pressed) return;
    window->buttonPressed = pressed;
    InvalidateRect(hwnd, nullptr, FALSE);
}

void DrawOwnerDrawn(HWND hwnd, Window* window, HDC dc)
{
    if (!window->IsChild()) return;
    UINT state = 0;
    if (window->buttonPressed) state |= ODS_SELECTED;
    if (GetFocus() == hwnd) state |= ODS_FOCUS;
    if (window->style & WS_DISABLED) state |= ODS_DISABLED;
    DRAWITEMSTRUCT item = {ODT_BUTTON, UINT(window->id), 0, ODA_DRAWENTIRE, state, hwnd, dc,
                           RECT{0, 0, window->Width(), window->Height()}, 0};
    SendMessageW(window->parent, WM_DRAWITEM, window->id, reinterpret_cast<LPARAM>(&item));
}

void DrawFace(Window* window, HDC dc)
{
    RECT client = {0, 0, window->Width(), window->Height()};
    HBRUSH face = CreateSolidBrush(window->buttonPressed ? RGB(160, 160, 160) : GetSysColor(COLOR_BTNFACE));
    FillRect(dc, &client, face);
    DeleteObject(face);
    HBRUSH frame = static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH));
    FrameRect(dc, &client, frame);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor((window->style & WS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    HGDIOBJ oldFont = SelectObject(dc, window->font ? window->font : GetStockObject(SYSTEM_FONT));
    std::u16string text = window->text;
    DrawTextW(dc, text.c_str(), int(text.size()), &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);
}

void Paint(HWND hwnd)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    if (Window* window = FindWindow(hwnd)) {
        if (IsOwnerDraw(window))
            DrawOwnerDrawn(hwnd, window, dc);
        else
            DrawFace(window, dc);
    }
    EndPaint(hwnd, &paint);
}

void PenUp(HWND hwnd, Window* window, LPARAM lParam)
{
    if (GetCapture() != hwnd) return;
    POINT point = {LONG(SHORT(LOWORD(lParam))), LONG(SHORT(HIWORD(lParam)))};
    RECT client = {0, 0, window->Width(), window->Height()};
    bool clicked = window->buttonPressed && PtInRect(&client, point);
    SetPressed(hwnd, window, false);
    ReleaseCapture();
    if (clicked && (window = FindWindow(hwnd)) && window->IsChild())
        SendMessageW(window->parent, WM_COMMAND, MAKEWPARAM(window->id, BN_CLICKED), reinterpret_cast<LPARAM>(hwnd));
}

}  // namespace

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* window = FindWindow(hwnd);
    if (!window) return 0;
    switch (message) {
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_LBUTTONDBLCLK:
        // As on Win32 an owner-drawn button reports a double click at once and is not pressed.
        if ((window->style & BS_TYPEMASK) == BS_OWNERDRAW) {
            if (window->IsChild())
                SendMessageW(window->parent, WM_COMMAND, MAKEWPARAM(window->id, BN_DBLCLK),
                             reinterpret_cast<LPARAM>(hwnd));
            return 0;
        }
        [[fallthrough]];
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        SetCapture(hwnd);
        if ((window = FindWindow(hwnd))) SetPressed(hwnd, window, true);
        return 0;
    case WM_MOUSEMOVE:
        if (GetCapture() == hwnd) {
            POINT point = {LONG(SHORT(LOWORD(lParam))), LONG(SHORT(HIWORD(lParam)))};
            RECT client = {0, 0, window->Width(), window->Height()};
            SetPressed(hwnd, window, PtInRect(&client, point));
        }
        return 0;
    case WM_LBUTTONUP: PenUp(hwnd, window, lParam); return 0;
    case WM_CAPTURECHANGED: SetPressed(hwnd, window, false); return 0;
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    case WM_GETDLGCODE: {
        DWORD type = window->style & BS_TYPEMASK;
        if (type == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        return DLGC_BUTTON | (type == BS_PUSHBUTTON ? DLGC_UNDEFPUSHBUTTON : 0);
    }
    case BM_GETSTATE: return window->buttonPressed ? BST_PUSHED : 0;
    case BM_SETSTATE: SetPressed(hwnd, window, wParam != 0); return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace wincore
