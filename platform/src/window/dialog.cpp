// Modeless dialogs from in-memory templates, and the default dialog procedure.
#include <limits>

#include "window/dialog_template.h"
#include "window/manager.h"

namespace wincore {

const char16_t kDialogClassName[] = u"#32770";

namespace {

const char16_t* OrdinalClassName(WORD ordinal)
{
    switch (ordinal) {
    case 0x0080: return u"BUTTON";
    case 0x0081: return u"EDIT";
    case 0x0082: return u"STATIC";
    case 0x0083: return u"LISTBOX";
    case 0x0084: return u"SCROLLBAR";
    case 0x0085: return u"COMBOBOX";
    default: return nullptr;
    }
}

HFONT CreateDialogFont(const DialogTemplate& dialog)
{
    LOGFONTW font = {};
    font.lfHeight = -MulDiv(dialog.pointSize, ScreenDpi(), 72);
    font.lfWeight = dialog.weight;
    font.lfItalic = dialog.italic;
    font.lfCharSet = DEFAULT_CHARSET;
    size_t length = std::min<size_t>(dialog.face.size(), LF_FACESIZE - 1);
    dialog.face.copy(font.lfFaceName, length);
    return CreateFontIndirectW(&font);
}

// Win32's dialog base units: the average width of the Latin letters and the character height.
SIZE BaseUnits(HFONT font)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
    TEXTMETRICW metrics = {};
    SIZE letters = {0, 0};
    static const char16_t kAlphabet[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    GetTextMetricsW(dc, &metrics);
    GetTextExtentPoint32W(dc, kAlphabet, 52, &letters);
    SelectObject(dc, old);
    DeleteDC(dc);
    SIZE units = {(letters.cx / 26 + 1) / 2, metrics.tmHeight};
    if (units.cx <= 0) units.cx = 8;
    if (units.cy <= 0) units.cy = 16;
    return units;
}

RECT ToPixels(const RECT& units, SIZE base)
{
    return RECT{MulDiv(units.left, base.cx, 4), MulDiv(units.top, base.cy, 8), MulDiv(units.right, base.cx, 4),
                MulDiv(units.bottom, base.cy, 8)};
}

bool CreateItems(HWND dialog, const DialogTemplate& dialogTemplate, HINSTANCE instance, HFONT font, SIZE base)
{
    for (const DialogItem& item : dialogTemplate.items) {
        const char16_t* className = item.windowClass.ordinal ? OrdinalClassName(item.windowClass.ordinal)
                                                             : item.windowClass.name.c_str();
        if (!className) return false;
        RECT rect = ToPixels(item.rect, base);
        HWND control = CreateWindowExW(item.exStyle, className, item.title.name.c_str(), item.style | WS_CHILD,
                                       rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, dialog,
                                       reinterpret_cast<HMENU>(UINT_PTR(item.id)), instance, nullptr);
        if (!control) return false;
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return true;
}

RECT PlaceDialog(const DialogTemplate& dialog, HWND parent, SIZE base)
{
    RECT rect = ToPixels(dialog.rect, base);
    // A pop-up dialog's position is relative to its owner's client area.
    if (parent && !(dialog.style & WS_CHILD)) {
        POINT origin = {0, 0};
        ClientToScreen(parent, &origin);
        OffsetRect(&rect, origin.x, origin.y);
    }
    return rect;
}

bool ReturnsValueDirectly(UINT message)
{
    return message == WM_INITDIALOG || (message >= WM_CTLCOLOREDIT && message <= WM_CTLCOLORSTATIC);
}

void FillDialogBackground(Window* window, HDC dc)
{
    HBRUSH brush = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    RECT client = {0, 0, window->Width(), window->Height()};
    FillRect(dc, &client, brush);
    DeleteObject(brush);
}

}  // namespace

LRESULT CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* window = FindWindow(hwnd);
    if (!window) return 0;
    if (DLGPROC proc = window->dialogProc) {
        INT_PTR handled = CallWindowProcW(reinterpret_cast<WNDPROC>(proc), hwnd, message, wParam, lParam);
        if (!(window = FindWindow(hwnd))) return handled;
        if (handled) return ReturnsValueDirectly(message) ? handled : window->dialogResult;
    }
    return DefDlgProcW(hwnd, message, wParam, lParam);
}

bool IsDialogWindow(HWND hwnd)
{
    Window* window = FindWindow(hwnd);
    return window && window->windowClass->name == kDialogClassName;
}

}  // namespace wincore

using namespace wincore;

WINCORE_API LRESULT WINAPI DefDlgProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* window = FindWindow(hwnd);
    if (!window) return 0;
    switch (message) {
    case WM_ERASEBKGND: FillDialogBackground(window, reinterpret_cast<HDC>(wParam)); return 1;
    case WM_CLOSE: ShowWindow(hwnd, SW_HIDE); return 0;
    case WM_NEXTDLGCTL: {
        HWND next = lParam ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(hwnd, GetFocus(), wParam != 0);
        if (next && IsWithin(next, hwnd)) SetFocus(next);
        return 0;
    }
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

WINCORE_API HWND WINAPI CreateDialogIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dlgTemplate, HWND parent,
                                                   DLGPROC dialogProc, LPARAM initParam)
{
    DialogTemplate dialog;
    // The API carries no size; the template's own structure bounds every read.
    if (!ParseDialogTemplate(reinterpret_cast<const uint8_t*>(dlgTemplate), std::numeric_limits<size_t>::max() / 2,
                             dialog))
        return nullptr;
    if (parent && !FindWindow(parent)) return nullptr;
    if ((dialog.style & WS_CHILD) && !parent) return nullptr;

    HFONT font = dialog.hasFont ? CreateDialogFont(dialog) : nullptr;
    SIZE base = BaseUnits(font);
    RECT rect = PlaceDialog(dialog, parent, base);
    const char16_t* className = dialog.windowClass.name.empty() ? kDialogClassName : dialog.windowClass.name.c_str();
    HWND hwnd = CreateWindowExW(dialog.exStyle, className, dialog.title.c_str(), dialog.style & ~WS_VISIBLE,
                                rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                                instance, reinterpret_cast<LPVOID>(initParam));
    Window* window = FindWindow(hwnd);
    if (!window) {
        if (font) DeleteObject(font);
        return nullptr;
    }
    window->dialogProc = dialogProc;
    window->dialogBaseUnits = base;
    window->font = font;
    window->ownedFont = font;
    if (!CreateItems(hwnd, dialog, instance, font, base)) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    HWND firstControl = window->children.empty() ? nullptr : window->children.back();
    SendMessageW(hwnd, WM_INITDIALOG, reinterpret_cast<WPARAM>(firstControl), initParam);
    if (FindWindow(hwnd) && (dialog.style & WS_VISIBLE)) ShowWindow(hwnd, SW_SHOWNORMAL);
    return FindWindow(hwnd) ? hwnd : nullptr;
}

WINCORE_API BOOL WINAPI EndDialog(HWND hwnd, INT_PTR result)
{
    Window* window = FindWindow(hwnd);
    if (!window || !window->dialogProc) return FALSE;
    window->dialogResult = result;
    ShowWindow(hwnd, SW_HIDE);
    return TRUE;
}

WINCORE_API BOOL WINAPI MapDialogRect(HWND hwnd, LPRECT rect)
{
    Window* window = FindWindow(hwnd);
    if (!window || !rect || !window->dialogProc) return FALSE;
    *rect = ToPixels(*rect, window->dialogBaseUnits);
    return TRUE;
}
