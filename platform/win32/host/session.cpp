// Host sessions over real Win32: the windows a test creates are tracked through a CBT hook on
// the test's thread, so that HostStop destroys what is left and LiveWindows counts them. The
// clock is the real one; Advance runs a message loop until the time has passed.
#include <iterator>
#include <set>

#include <wincore/host.h>


namespace wincore {

namespace {

// Beyond this many messages in one Pump something keeps posting to itself; stop rather than hang.
constexpr int kMostMessagesPerPump = 100000;
constexpr DWORD kQuietMs = 10;
constexpr int kMostQuietWaits = 20;

HHOOK windowHook = nullptr;
std::set<HWND> liveWindows;

// Windows the system makes for a thread of its own accord are not the test's: input method
// windows, and message-only windows (COM's and the like), whose parent is not the desktop.
bool SystemWindow(HWND hwnd)
{
    WCHAR name[32] = {};
    GetClassNameW(hwnd, name, 32);
    if (lstrcmpW(name, L"IME") == 0 || lstrcmpW(name, L"MSCTFIME UI") == 0) return true;
    bool child = (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) != 0;
    return !child && GetAncestor(hwnd, GA_PARENT) != GetDesktopWindow();
}

LRESULT CALLBACK WindowHook(int code, WPARAM wParam, LPARAM lParam)
{
    HWND hwnd = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_CREATEWND) liveWindows.insert(hwnd);
    if (code == HCBT_DESTROYWND) liveWindows.erase(hwnd);
    return CallNextHookEx(windowHook, code, wParam, lParam);
}

// Forgets windows that are gone (a failed creation sends no destroy notification) and those
// that turned out to be the system's.
void ForgetOthers()
{
    for (auto it = liveWindows.begin(); it != liveWindows.end();)
        it = IsWindow(*it) && !SystemWindow(*it) ? std::next(it) : liveWindows.erase(it);
}

void DestroyLeftWindows()
{
    ForgetOthers();
    while (!liveWindows.empty()) {
        HWND hwnd = *liveWindows.begin();
        if (!IsWindow(hwnd) || !DestroyWindow(hwnd)) liveWindows.erase(hwnd);
    }
}

// Drops what is left for windows that are gone; a paint never validated would come forever.
void DiscardQueue()
{
    MSG msg;
    for (int dropped = 0; dropped < kMostMessagesPerPump && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); dropped++) {
    }
}

bool IsKeyMessage(UINT message)
{
    return message >= WM_KEYFIRST && message <= WM_KEYLAST;
}

// The window whose dialog manager sees a key message first, as wincore's Pump has it: the
// top-level window of its target, when that is a dialog or takes its children's navigation.
HWND DialogManagerFor(HWND hwnd)
{
    HWND top = GetAncestor(hwnd, GA_ROOT);
    if (!top) return nullptr;
    WCHAR name[8] = {};
    GetClassNameW(top, name, 8);
    bool dialog = lstrcmpW(name, L"#32770") == 0 || (GetWindowLongPtrW(top, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
    return dialog ? top : nullptr;
}

// Dispatches what is pending now.
void Drain()
{
    MSG msg;
    for (int handled = 0; handled < kMostMessagesPerPump && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); handled++) {
        HWND dialog = IsKeyMessage(msg.message) ? DialogManagerFor(msg.hwnd) : nullptr;
        if (dialog && IsDialogMessageW(dialog, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace

void HostStart(const HostConfig&)
{
    HostStop();
    windowHook = SetWindowsHookExW(WH_CBT, WindowHook, nullptr, GetCurrentThreadId());
}

void HostStop()
{
    DestroyLeftWindows();
    ReleaseCapture();
    DiscardQueue();
    if (windowHook) UnhookWindowsHookEx(windowHook);
    windowHook = nullptr;
}

DWORD HostNow()
{
    return GetTickCount();
}

// Under Wine some of what a step causes comes back from the X server a moment later (pointer
// motion, focus changes); Pump waits until no input or message has come for a short while, so
// that it lands within the same step. Timers and paints do not count: they come when they come.
void Pump()
{
    for (int waits = 0; waits < kMostQuietWaits; waits++) {
        Drain();
        DWORD woke = MsgWaitForMultipleObjectsEx(0, nullptr, kQuietMs, QS_INPUT | QS_POSTMESSAGE | QS_SENDMESSAGE,
                                                 MWMO_INPUTAVAILABLE);
        if (woke == WAIT_TIMEOUT) break;
    }
    Drain();
}

void Advance(DWORD ms)
{
    DWORD start = GetTickCount();
    for (;;) {
        Pump();
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= ms) break;
        MsgWaitForMultipleObjectsEx(0, nullptr, ms - elapsed, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    Pump();
}

int LiveWindows()
{
    ForgetOthers();
    return int(liveWindows.size());
}

}  // namespace wincore
