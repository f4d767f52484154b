// Sending, posting, retrieving and dispatching messages; the default window procedure.
#include <algorithm>
#include <thread>

#include "window/manager.h"

namespace wincore {

namespace {

bool InRange(UINT message, UINT low, UINT high)
{
    return (low == 0 && high == 0) || (message >= low && message <= high);
}

bool Matches(HWND target, HWND filter)
{
    return !filter || IsWithin(target, filter);
}

bool NextPosted(MSG* msg, HWND filter, UINT low, UINT high, bool remove)
{
    auto& posted = WM().posted;
    auto found = std::find_if(posted.begin(), posted.end(), [&](const MSG& m) {
        return InRange(m.message, low, high) && (!filter || Matches(m.hwnd, filter));
    });
    if (found == posted.end()) return false;
    *msg = *found;
    if (remove) posted.erase(found);
    return true;
}

bool NextPaint(MSG* msg, HWND filter)
{
    HWND hwnd = NextWindowToPaint();
    if (!hwnd || !Matches(hwnd, filter)) return false;
    *msg = MSG{hwnd, WM_PAINT, 0, 0, Now(), {0, 0}};
    return true;
}

bool Retrieve(MSG* msg, HWND filter, UINT low, UINT high, bool remove)
{
    if (NextPosted(msg, filter, low, high, remove)) return true;
    Manager& wm = WM();
    if (wm.quit && !filter) {
        *msg = MSG{nullptr, WM_QUIT, WPARAM(wm.quitCode), 0, Now(), {0, 0}};
        if (remove) wm.quit = false;
        return true;
    }
    if (!filter && NextInputMessage(msg, low, high, remove)) return true;
    if (InRange(WM_PAINT, low, high) && NextPaint(msg, filter)) return true;
    return InRange(WM_TIMER, low, high) && NextTimerMessage(msg, filter, remove);
}

// Blocks until something can be retrieved; false when nothing ever will.
bool WaitForMessage()
{
    Manager& wm = WM();
    DWORD due = 0;
    bool haveTimer = EarliestTimer(&due);
    if (wm.config.manualClock) {
        if (!haveTimer) return false;
        wm.manualNow = std::max(wm.manualNow, due);
        return true;
    }
    DWORD now = Now();
    DWORD wait = haveTimer ? (due > now ? due - now : 0) : 10;
    std::this_thread::sleep_for(std::chrono::milliseconds(std::min<DWORD>(wait, 10)));
    return true;
}

LRESULT DefaultGetText(Window* window, WPARAM size, LPWSTR buffer)
{
    if (!buffer || size == 0) return 0;
    size_t count = std::min<size_t>(window->text.size(), size - 1);
    std::copy_n(window->text.data(), count, buffer);
    buffer[count] = 0;
    return LRESULT(count);
}

LRESULT DefaultEraseBackground(Window* window, HDC dc)
{
    HBRUSH brush = window->windowClass->background;
    if (!brush) return 0;
    RECT client = {0, 0, window->Width(), window->Height()};
    FillRect(dc, &client, brush);
    return 1;
}

constexpr WORD kUiFlags = UISF_HIDEFOCUS | UISF_HIDEACCEL | UISF_ACTIVE;

// A change of the keyboard cues climbs to the top-level window, which announces it to itself and
// its descendants with WM_UPDATEUISTATE when it changes anything there.
void ChangeUiState(HWND hwnd, Window* window, WORD action, WORD flags)
{
    if (action == UIS_INITIALIZE) {
        if (flags) return;
        action = WM().lastInputWasKey ? UIS_CLEAR : UIS_SET;
        flags = UISF_HIDEFOCUS | UISF_HIDEACCEL;
    }
    if ((action != UIS_SET && action != UIS_CLEAR) || !flags || (flags & ~kUiFlags)) return;
    if (window->IsChild()) {
        SendMessageW(window->parent, WM_CHANGEUISTATE, MAKEWPARAM(action, flags), 0);
        return;
    }
    WORD state = action == UIS_SET ? WORD(window->uiState | flags) : WORD(window->uiState & ~flags);
    if (state != window->uiState) SendMessageW(hwnd, WM_UPDATEUISTATE, MAKEWPARAM(action, flags), 0);
}

void UpdateUiState(Window* window, WORD action, WORD flags)
{
    if ((action != UIS_SET && action != UIS_CLEAR) || (flags & ~kUiFlags)) return;
    window->uiState = action == UIS_SET ? WORD(window->uiState | flags) : WORD(window->uiState & ~flags);
    std::vector<HWND> children = window->children;
    for (HWND child : children) SendMessageW(child, WM_UPDATEUISTATE, MAKEWPARAM(action, flags), 0);
}

}  // namespace

LRESULT Deliver(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* window = FindWindow(hwnd);
    if (!window) return 0;
    WNDPROC proc = window->proc;
    window->busy++;
    LRESULT result = proc(hwnd, message, wParam, lParam);
    window->busy--;
    FreeIfReleased(window);
    return result;
}

void PurgeMessages(HWND hwnd)
{
    auto& posted = WM().posted;
    posted.erase(std::remove_if(posted.begin(), posted.end(), [hwnd](const MSG& m) { return m.hwnd == hwnd; }),
                 posted.end());
}

bool NextMessage(MSG* msg, HWND filter, bool remove)
{
    return Retrieve(msg, filter, 0, 0, remove);
}

}  // namespace wincore

using namespace wincore;

WINCORE_API LRESULT WINAPI SendMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return Deliver(hwnd, message, wParam, lParam);
}

WINCORE_API BOOL WINAPI PostMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (hwnd && !FindWindow(hwnd)) return FALSE;
    WM().posted.push_back(MSG{hwnd, message, wParam, lParam, Now(), {0, 0}});
    return TRUE;
}

WINCORE_API void WINAPI PostQuitMessage(int exitCode)
{
    WM().quit = true;
    WM().quitCode = exitCode;
}

WINCORE_API BOOL WINAPI PeekMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT remove)
{
    if (!msg || (hwnd && !FindWindow(hwnd))) return FALSE;
    return Retrieve(msg, hwnd, filterMin, filterMax, (remove & PM_REMOVE) != 0);
}

WINCORE_API BOOL WINAPI GetMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax)
{
    if (!msg || (hwnd && !FindWindow(hwnd))) return -1;
    while (!Retrieve(msg, hwnd, filterMin, filterMax, true))
        if (!WaitForMessage()) return -1;
    return msg->message != WM_QUIT;
}

WINCORE_API LRESULT WINAPI DispatchMessageW(const MSG* msg)
{
    if (!msg || !FindWindow(msg->hwnd)) return 0;
    if (msg->message != WM_PAINT) return Deliver(msg->hwnd, msg->message, msg->wParam, msg->lParam);
    unsigned before = FindWindow(msg->hwnd)->invalidations;
    LRESULT result = Deliver(msg->hwnd, WM_PAINT, 0, 0);
    ValidatePainted(msg->hwnd, before);
    return result;
}

WINCORE_API LRESULT WINAPI CallWindowProcW(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!proc) return 0;
    Window* window = FindWindow(hwnd);
    if (!window) return proc(hwnd, message, wParam, lParam);
    window->busy++;
    LRESULT result = proc(hwnd, message, wParam, lParam);
    window->busy--;
    FreeIfReleased(window);
    return result;
}

WINCORE_API LRESULT WINAPI DefWindowProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* window = FindWindow(hwnd);
    if (!window) return 0;
    switch (message) {
    case WM_NCCREATE: return TRUE;
    case WM_SETTEXT:
        window->text = lParam ? std::u16string(reinterpret_cast<LPCWSTR>(lParam)) : std::u16string();
        return TRUE;
    case WM_GETTEXT: return DefaultGetText(window, wParam, reinterpret_cast<LPWSTR>(lParam));
    case WM_GETTEXTLENGTH: return LRESULT(window->text.size());
    case WM_SETFONT:
        window->font = reinterpret_cast<HFONT>(wParam);
        if (lParam) InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(window->font);
    case WM_ERASEBKGND: return DefaultEraseBackground(window, reinterpret_cast<HDC>(wParam));
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(hwnd, &paint);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_CANCELMODE:
        if (GetCapture() == hwnd) ReleaseCapture();
        return 0;
    case WM_MOUSEACTIVATE: {
        // A child lets its parent decide first.
        HWND parent = (window->style & WS_CHILD) ? GetParent(hwnd) : nullptr;
        LRESULT answer = parent ? Deliver(parent, WM_MOUSEACTIVATE, wParam, lParam) : 0;
        return answer ? answer : MA_ACTIVATE;
    }
    case WM_CHANGEUISTATE: ChangeUiState(hwnd, window, LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_UPDATEUISTATE: UpdateUiState(window, LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_QUERYUISTATE: return window->uiState;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC: return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    default: return 0;
    }
}
