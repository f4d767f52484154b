#include "support/message_log.h"

#include <algorithm>
#include <cstdio>

#include "support/host_fixture.h"

namespace {

std::map<HWND, Handler>& Handlers()
{
    static std::map<HWND, Handler> handlers;
    return handlers;
}

bool& WithParams()
{
    static bool on = true;
    return on;
}

std::string Hex(uintptr_t value)
{
    char text[32];
    std::snprintf(text, sizeof text, "0x%08lx", static_cast<unsigned long>(value));
    return text;
}

HWND AsWindow(uintptr_t value)
{
    return reinterpret_cast<HWND>(value);
}

// Messages whose parameters are handles or pointers that differ from run to run.
constexpr UINT kBareMessages[] = {WM_NCCREATE,     WM_CREATE,      WM_DESTROY,      WM_NCDESTROY,    WM_PAINT,
                                  WM_ERASEBKGND,   WM_DRAWITEM,    WM_SETTEXT,      WM_GETTEXT,      WM_CTLCOLOREDIT,
                                  WM_CTLCOLORBTN,  WM_CTLCOLORDLG, WM_CTLCOLORSTATIC};

std::string Params(const MessageLog& log, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (std::find(std::begin(kBareMessages), std::end(kBareMessages), message) != std::end(kBareMessages)) return "";
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS: return " " + log.NameOf(AsWindow(wParam));
    case WM_ACTIVATE: return " " + std::to_string(wParam) + " " + log.NameOf(AsWindow(lParam));
    case WM_CAPTURECHANGED: return " " + log.NameOf(AsWindow(lParam));
    case WM_MOUSEACTIVATE: return " " + log.NameOf(AsWindow(wParam)) + " " + Hex(uintptr_t(lParam));
    case WM_COMMAND: return " " + Hex(wParam) + " " + log.NameOf(AsWindow(lParam));
    default: return " " + Hex(wParam) + " " + Hex(uintptr_t(lParam));
    }
}

// What desktop Win32 sends and a CE touch screen does not: the non-client area's messages, the
// mouse cursor's, activation of the application, input methods and window-position bookkeeping.
// By number, since wincore has none of them.
constexpr UINT kDesktopMessages[] = {
    0x001C,                    // WM_ACTIVATEAPP
    0x0020,                    // WM_SETCURSOR
    0x0022, 0x0024,            // WM_CHILDACTIVATE, WM_GETMINMAXINFO
    0x003D, 0x0046, 0x0047,    // WM_GETOBJECT, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED
    0x007C, 0x007D, 0x007F,    // WM_STYLECHANGING, WM_STYLECHANGED, WM_GETICON
    0x0083, 0x0084, 0x0085,    // WM_NCCALCSIZE, WM_NCHITTEST, WM_NCPAINT
    0x0086, 0x0088, 0x00A0,    // WM_NCACTIVATE, WM_SYNCPAINT, WM_NCMOUSEMOVE
    0x02A2, 0x0210, 0x030F,    // WM_NCMOUSELEAVE, WM_PARENTNOTIFY, WM_QUERYNEWPALETTE
    0x0281, 0x0282, 0x0285,    // WM_IME_SETCONTEXT, WM_IME_NOTIFY, WM_IME_SELECT (the process's first focus)
};

// Also the mouse hovering with its button up, or reporting the same point again.
bool DesktopOnly(const std::vector<std::string>& lines, const std::string& line, UINT message, WPARAM wParam)
{
    if (message == WM_MOUSEMOVE) return !(wParam & MK_LBUTTON) || (!lines.empty() && lines.back() == line);
    return std::find(std::begin(kDesktopMessages), std::end(kDesktopMessages), message) != std::end(kDesktopMessages);
}

LRESULT CALLBACK RecorderProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        Log().Name(hwnd, Utf8(create->lpszName ? create->lpszName : TEXT("")));
    }
    Log().Add(hwnd, message, wParam, lParam, WithParams());
    auto found = Handlers().find(hwnd);
    if (found != Handlers().end()) {
        Handler handler = found->second;  // the handler may replace itself
        LRESULT result = 0;
        if (handler(hwnd, message, wParam, lParam, result)) return result;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

const WCHAR* RecorderClass(UINT classStyle)
{
    static std::map<UINT, WString> names;
    WString& name = names[classStyle];
    if (name.empty()) name = TEXT("Recorder") + U16(std::to_string(classStyle));
    WNDCLASSW wc = {};
    wc.style = classStyle;
    wc.lpfnWndProc = RecorderProc;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = name.c_str();
    RegisterClassW(&wc);
    return name.c_str();
}

}  // namespace

void MessageLog::Add(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool withParams)
{
    if (muted_) return;
    if (!only_.empty() && std::find(only_.begin(), only_.end(), message) == only_.end()) return;
    std::string line = NameOf(hwnd) + " " + MessageName(message);
    if (withParams) line += Params(*this, message, wParam, lParam);
    if (kDesktopWin32 && DesktopOnly(lines_, line, message, wParam)) return;
    lines_.push_back(line);
}

std::string MessageLog::NameOf(HWND hwnd) const
{
    if (!hwnd) return "0";
    auto found = names_.find(hwnd);
    return found == names_.end() ? "?" : found->second;
}

MessageLog& Log()
{
    static MessageLog log;
    return log;
}

void RecordParams(bool on)
{
    WithParams() = on;
}

void SetHandler(HWND hwnd, Handler handler)
{
    if (handler)
        Handlers()[hwnd] = std::move(handler);
    else
        Handlers().erase(hwnd);
}

void ClearHandlers()
{
    Handlers().clear();
}

std::vector<HWND>& Recorders()
{
    static std::vector<HWND> recorders;
    return recorders;
}

HWND CreateRecorder(const char* name, DWORD style, int x, int y, int width, int height, HWND parent, UINT id,
                    DWORD exStyle, UINT classStyle)
{
    WString title = U16(name);
    HMENU menu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
    HWND hwnd = CreateWindowExW(exStyle, RecorderClass(classStyle), title.c_str(), style, x, y, width, height, parent,
                                menu, nullptr, nullptr);
    if (hwnd) Recorders().push_back(hwnd);
    return hwnd;
}

std::string MessageName(UINT message)
{
#define NAMED(m) {m, #m}
    static const std::map<UINT, const char*> names = {
        NAMED(WM_CREATE), NAMED(WM_DESTROY), NAMED(WM_MOVE), NAMED(WM_SIZE), NAMED(WM_ACTIVATE), NAMED(WM_SETFOCUS),
        NAMED(WM_KILLFOCUS), NAMED(WM_ENABLE), NAMED(WM_SETTEXT), NAMED(WM_GETTEXT), NAMED(WM_GETTEXTLENGTH),
        NAMED(WM_PAINT), NAMED(WM_CLOSE), NAMED(WM_ERASEBKGND), NAMED(WM_SHOWWINDOW), NAMED(WM_DRAWITEM),
        NAMED(WM_SETFONT), NAMED(WM_NCCREATE), NAMED(WM_NCDESTROY), NAMED(WM_INITDIALOG), NAMED(WM_COMMAND),
        NAMED(WM_TIMER), NAMED(WM_CTLCOLOREDIT), NAMED(WM_CTLCOLORBTN), NAMED(WM_CTLCOLORDLG), NAMED(WM_MOUSEMOVE),
        NAMED(WM_LBUTTONDOWN), NAMED(WM_LBUTTONUP), NAMED(WM_LBUTTONDBLCLK), NAMED(WM_CAPTURECHANGED), NAMED(WM_USER),
        NAMED(WM_CANCELMODE), NAMED(WM_MOUSEACTIVATE),
        NAMED(WM_KEYDOWN), NAMED(WM_KEYUP), NAMED(WM_CHAR), NAMED(WM_SYSKEYDOWN), NAMED(WM_SYSKEYUP), NAMED(WM_SYSCHAR),
        NAMED(WM_GETDLGCODE), NAMED(WM_CHANGEUISTATE), NAMED(WM_UPDATEUISTATE),
    };
#undef NAMED
    auto found = names.find(message);
    if (found != names.end()) return found->second;
    char text[16];
    std::snprintf(text, sizeof text, "0x%04x", message);
    return text;
}

::testing::AssertionResult SameTraffic(const std::vector<std::string>& actual,
                                       const std::vector<std::string>& expected)
{
    if (actual == expected) return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure();
    failure << "message traffic differs\n";
    size_t rows = std::max(actual.size(), expected.size());
    for (size_t i = 0; i < rows; i++) {
        std::string want = i < expected.size() ? expected[i] : "";
        std::string got = i < actual.size() ? actual[i] : "";
        char line[200];
        std::snprintf(line, sizeof line, "%s %-40s | %s\n", want == got ? " " : "!", want.c_str(), got.c_str());
        failure << line;
    }
    return failure;
}

int LiveRecorders()
{
    auto& recorders = Recorders();
    recorders.erase(std::remove_if(recorders.begin(), recorders.end(), [](HWND hwnd) { return !IsWindow(hwnd); }),
                    recorders.end());
    return int(recorders.size());
}
