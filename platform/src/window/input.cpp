// Hardware input: the pen routed to the capture window or the window under it, with activation
// and double taps; keys routed to the focus window, or the active window when nothing has the focus.
#include <cstdlib>

#include "window/manager.h"

namespace wincore {

namespace {

constexpr DWORD kDoubleTapTime = 500;  // ms

LPARAM PackClientPoint(HWND hwnd, POINT screen)
{
    POINT client = screen;
    ScreenToClient(hwnd, &client);
    return LPARAM(DWORD(WORD(client.x)) | (DWORD(WORD(client.y)) << 16));
}

bool IsDoubleTap(HWND target, POINT point, DWORD now)
{
    Manager& wm = WM();
    Window* window = FindWindow(target);
    if (!(window->windowClass->style & CS_DBLCLKS) || wm.lastDownWasDouble) return false;
    // The second tap falls in a SM_CXDOUBLECLK x SM_CYDOUBLECLK rectangle centred on the first.
    return wm.lastDownWindow == target && now - wm.lastDownTime <= kDoubleTapTime &&
           std::abs(point.x - wm.lastDownPoint.x) < GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
           std::abs(point.y - wm.lastDownPoint.y) < GetSystemMetrics(SM_CYDOUBLECLK) / 2;
}

// A pen-down on a window of an inactive top-level window first asks the window whether to
// activate (WM_MOUSEACTIVATE, which a child passes to its parent), then activates the top-level
// window before the pen message arrives. False: the answer eats the pen-down.
bool ActivateForPen(HWND target)
{
    HWND top = TopLevelOf(target);
    Window* window = FindWindow(top);
    if (!window || top == WM().active || (window->exStyle & WS_EX_NOACTIVATE)) return true;
    LRESULT answer = Deliver(target, WM_MOUSEACTIVATE, WPARAM(top), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    if (answer != MA_NOACTIVATE && answer != MA_NOACTIVATEANDEAT && FindWindow(top)) FocusWindow(top, WA_CLICKACTIVE);
    return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT;
}

UINT PenDownMessage(HWND target, POINT point, bool remove)
{
    Manager& wm = WM();
    DWORD now = Now();
    bool doubleTap = IsDoubleTap(target, point, now);
    if (remove) {
        wm.lastDownWindow = target;
        wm.lastDownTime = now;
        wm.lastDownPoint = point;
        wm.lastDownWasDouble = doubleTap;
    }
    return doubleTap ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
}

void PopEvent()
{
    Manager& wm = WM();
    InputEvent::Type type = wm.input.front().type;
    wm.input.pop_front();
    if (type == InputEvent::Type::Down || type == InputEvent::Type::Up) wm.penDown = type == InputEvent::Type::Down;
}

bool IsKey(const InputEvent& event)
{
    return event.type == InputEvent::Type::KeyDown || event.type == InputEvent::Type::KeyUp;
}

bool NextKeyMessage(MSG* msg, bool remove)
{
    Manager& wm = WM();
    InputEvent event = wm.input.front();
    HWND target = FindWindow(wm.focus) ? wm.focus : FindWindow(wm.active) ? wm.active : nullptr;
    if (remove || !target) PopEvent();
    if (!target) return false;  // nobody to take it: the key is dropped
    *msg = KeyMessage(target, event, remove);
    // The active window takes a key without a focus window as a system key, as Win32 sends it.
    if (target != wm.focus && msg->message < WM_SYSKEYDOWN) msg->message += WM_SYSKEYDOWN - WM_KEYDOWN;
    return true;
}

}  // namespace

bool NextInputMessage(MSG* msg, UINT low, UINT high, bool remove)
{
    Manager& wm = WM();
    while (!wm.input.empty()) {
        InputEvent event = wm.input.front();
        UINT first = IsKey(event) ? WM_KEYFIRST : WM_MOUSEMOVE;
        if (!(low == 0 && high == 0) && !(first >= low && first <= high)) return false;
        if (IsKey(event)) {
            if (NextKeyMessage(msg, remove)) return true;
            continue;
        }
        HWND target = FindWindow(wm.capture) ? wm.capture : HitTest(event.point);
        bool down = event.type == InputEvent::Type::Down;
        if (remove) wm.lastInputWasKey = false;
        // Taken off the queue before activation, which runs window procedures that may pump.
        if (remove) PopEvent();
        if (target && down && remove && !ActivateForPen(target)) continue;
        if (!FindWindow(target)) {
            // Nothing under the pen (or it vanished while activating): the event is dropped.
            if (!remove) PopEvent();
            continue;
        }
        UINT message = down ? PenDownMessage(target, event.point, remove)
                     : event.type == InputEvent::Type::Up ? WM_LBUTTONUP : WM_MOUSEMOVE;
        WPARAM keys = event.type == InputEvent::Type::Up ? 0 : MK_LBUTTON;
        *msg = MSG{target, message, keys, PackClientPoint(target, event.point), Now(), event.point};
        return true;
    }
    return false;
}

void QueuePen(InputEvent::Type type, int x, int y)
{
    Manager& wm = WM();
    // Moves only exist while the pen touches the screen.
    bool downQueued = wm.penDown;
    for (const InputEvent& e : wm.input) downQueued = e.type == InputEvent::Type::Down ? true
                                                  : e.type == InputEvent::Type::Up ? false : downQueued;
    if (type == InputEvent::Type::Move && !downQueued) return;
    wm.input.push_back(InputEvent{type, POINT{x, y}});
}

}  // namespace wincore
