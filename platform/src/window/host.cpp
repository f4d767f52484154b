// The host API: start and stop, the manual clock, pumping, pen input and live counts.
#include <algorithm>
#include <thread>

#include "gdi/gdi.h"
#include "imaging/rendition_cache.h"
#include "window/manager.h"

namespace wincore {

void ResetScreen();

namespace {

void DestroyAllWindows()
{
    while (!WM().topLevels.empty()) {
        HWND top = WM().topLevels.front();
        if (!DestroyWindow(top)) {
            // A window already on its way out: unlink it so the loop ends.
            auto& list = WM().topLevels;
            list.erase(std::remove(list.begin(), list.end(), top), list.end());
        }
    }
}

void ClearState()
{
    Manager& wm = WM();
    wm.posted.clear();
    wm.input.clear();
    wm.timers.clear();
    wm.quit = false;
    wm.focus = wm.active = wm.capture = nullptr;
    wm.penDown = false;
    wm.lastDownWindow = nullptr;
    wm.lastDownWasDouble = false;
    std::fill(std::begin(wm.keys), std::end(wm.keys), BYTE(0));
    std::fill(std::begin(wm.asyncKeys), std::end(wm.asyncKeys), BYTE(0));
    wm.altAlone = wm.lastInputWasKey = false;
}

bool IsKeyMessage(UINT message)
{
    return message >= WM_KEYFIRST && message <= WM_KEYLAST;
}

// The window whose dialog manager sees a key message first: the top-level window of its target,
// when that is a dialog or a window that takes its children's keyboard navigation.
HWND DialogManagerFor(HWND hwnd)
{
    HWND top = TopLevelOf(hwnd);
    return IsDialogWindow(top) || (GetWindowLongW(top, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) ? top : nullptr;
}

void PumpUntil(DWORD target)
{
    Manager& wm = WM();
    if (!wm.config.manualClock) {
        while (Now() < target) {
            Pump();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        Pump();
        return;
    }
    DWORD due = 0;
    while (EarliestTimer(&due) && due <= target) {
        wm.manualNow = std::max(wm.manualNow, due);
        Pump();
        // Pump delivers every due timer and moves it past now; one still due was refused (a quit
        // request stops pumping), and waiting for it would never end.
        if (EarliestTimer(&due) && due <= wm.manualNow) break;
    }
    wm.manualNow = target;
    Pump();
}

}  // namespace

void HostStart(const HostConfig& config)
{
    HostStop();
    Manager& wm = WM();
    wm.config = config;
    wm.manualNow = 0;
    wm.start = std::chrono::steady_clock::now();
    ForgetApplicationClasses();
    RegisterSystemClasses();
    ResetScreen();
}

void HostStop()
{
    DestroyAllWindows();
    ClearState();
    RestoreResources();
    DropRenditions();
    MarkScreenDirty();
}

DWORD HostNow()
{
    return Now();
}

void Advance(DWORD ms)
{
    PumpUntil(Now() + ms);
}

void Pump()
{
    MSG msg;
    while (NextMessage(&msg, nullptr, true)) {
        if (msg.message == WM_QUIT) {
            // Pumping never consumes the quit request; the host's own loop does.
            PostQuitMessage(int(msg.wParam));
            return;
        }
        if (IsKeyMessage(msg.message)) {
            HWND dialog = DialogManagerFor(msg.hwnd);
            if (dialog && IsDialogMessageW(dialog, &msg)) continue;
            TranslateMessage(&msg);
        }
        DispatchMessageW(&msg);
    }
}

void PenDown(int x, int y)
{
    QueuePen(InputEvent::Type::Down, x, y);
    Pump();
}

void KeyDown(UINT vk)
{
    QueueKey(vk, true);
    Pump();
}

void KeyUp(UINT vk)
{
    QueueKey(vk, false);
    Pump();
}

void PenMove(int x, int y)
{
    QueuePen(InputEvent::Type::Move, x, y);
    Pump();
}

void PenUp(int x, int y)
{
    QueuePen(InputEvent::Type::Up, x, y);
    Pump();
}

int LiveGdiObjects()
{
    int count = 0;
    for (Kind kind : {Kind::DC, Kind::Bitmap, Kind::Brush, Kind::Pen, Kind::Font, Kind::Region})
        Handles().ForEach(kind, [&](Object* object) { count += !static_cast<GdiObject*>(object)->stock; });
    return count + Handles().Count(Kind::ImageList);
}

int LiveWindows()
{
    return Handles().Count(Kind::Window);
}

}  // namespace wincore
