// The "EDIT" class: a one-line text field. The pen is the only input, so it shows and stores
// text, takes the focus on a pen-down, tells its parent of the focus and keeps its margins; it
// does no keyboard editing.
#include "window/manager.h"

namespace wincore {

namespace {

UINT AlignmentFlags(DWORD style)
{
    if (style & ES_CENTER) return DT_CENTER;
    if (style & ES_RIGHT) return DT_RIGHT;
    return DT_LEFT;
}

HBRUSH BackgroundBrush(HWND hwnd, Window* window, HDC dc)
{
    HBRUSH brush = nullptr;
    if (window->IsChild())
        brush = reinterpret_cast<HBRUSH>(
            SendMessageW(window->parent, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
    return brush ? brush : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

void Paint(HWND hwnd)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    Window* window = FindWindow(hwnd);
    if (!window) {
        EndPaint(hwnd, &paint);
        return;
    }
    bool disabled = window->style & WS_DISABLED;
    SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
    SetBkMode(dc, TRANSPARENT);
    HBRUSH brush = BackgroundBrush(hwnd, window, dc);
    if (!(window = FindWindow(hwnd))) {
        EndPaint(hwnd, &paint);
        return;
    }
    RECT client = {0, 0, window->Width(), window->Height()};
    FillRect(dc, &client, brush);
    HGDIOBJ oldFont = SelectObject(dc, window->font ? window->font : GetStockObject(SYSTEM_FONT));
    RECT text = {client.left + window->editMarginLeft, client.top, client.right - window->editMarginRight,
                 client.bottom};
    std::u16string content = window->text;
    DrawTextW(dc, content.c_str(), int(content.size()), &text,
              AlignmentFlags(window->style) | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &paint);
}

// The parent hears of the focus coming and going (EN_SETFOCUS, EN_KILLFOCUS), as on Win32.
void NotifyParent(HWND hwnd, WORD code)
{
    HWND parent = GetParent(hwnd);
    if (!parent) return;
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), code), reinterpret_cast<LPARAM>(hwnd));
}

LRESULT SetMargins(HWND hwnd, Window* window, WPARAM which, LPARAM margins)
{
    if (which & EC_LEFTMARGIN) window->editMarginLeft = LOWORD(margins);
    if (which & EC_RIGHTMARGIN) window->editMarginRight = HIWORD(margins);
    InvalidateRect(hwnd, nullptr, TRUE);
    return 0;
}

}  // namespace

LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* window = FindWindow(hwnd);
    if (!window) return 0;
    switch (message) {
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_ERASEBKGND: return 1;  // the paint fills the whole field
    case WM_SETTEXT: {
        LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    }
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        SetCapture(hwnd);
        return 0;
    case WM_LBUTTONDBLCLK: SetCapture(hwnd); return 0;  // as on Win32: the first tap of the two took the focus
    case WM_LBUTTONUP:
        if (GetCapture() == hwnd) ReleaseCapture();
        return 0;
    case WM_SETFOCUS: NotifyParent(hwnd, EN_SETFOCUS); return 0;
    case WM_KILLFOCUS: NotifyParent(hwnd, EN_KILLFOCUS); return 0;
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_SETFONT:
        // As on Win32, a new font brings its own margins: those set before it are dropped.
        window->editMarginLeft = window->editMarginRight = 0;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_GETDLGCODE: return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case EM_SETMARGINS: return SetMargins(hwnd, window, wParam, lParam);
    case EM_GETMARGINS: return MAKELRESULT(window->editMarginLeft, window->editMarginRight);
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace wincore
