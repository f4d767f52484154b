// The window manager's process-wide state: clock, queues, timers, z-order, focus and capture.
#pragma once

#include <chrono>
#include <deque>
#include <memory>
#include <vector>

#include <wincore/host.h>

#include "window/window.h"

namespace wincore {

struct Timer {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT elapse = 0;
    DWORD due = 0;
    uint64_t serial = 0;  // creation order breaks ties between timers due at once
};

// Hardware input in the order it came: the pen (screen coordinates) and keys (virtual-key codes).
struct InputEvent {
    enum class Type { Down, Move, Up, KeyDown, KeyUp } type;
    POINT point = {0, 0};
    UINT vk = 0;
};

struct Manager {
    HostConfig config;
    DWORD manualNow = 0;
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();

    std::deque<MSG> posted;
    std::deque<InputEvent> input;
    std::vector<Timer> timers;
    uint64_t timerSerial = 0;
    bool quit = false;
    int quitCode = 0;

    std::vector<std::shared_ptr<WindowClass>> classes;
    std::vector<HWND> topLevels;  // z-order, topmost first
    std::vector<std::unique_ptr<Object>> graveyard;  // destroyed windows whose handlers still run

    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;

    bool penDown = false;
    HWND lastDownWindow = nullptr;
    DWORD lastDownTime = 0;
    POINT lastDownPoint = {0, 0};
    bool lastDownWasDouble = false;

    BYTE keys[256] = {};       // as the key messages taken so far leave them (GetKeyState)
    BYTE asyncKeys[256] = {};  // as the keys are now (GetAsyncKeyState)
    bool altAlone = false;     // Alt is down and no other key came since
    bool lastInputWasKey = false;

    pixman_image_t* screen = nullptr;
    bool screenDirty = true;
};

Manager& WM();
DWORD Now();

// Classes
std::shared_ptr<WindowClass> FindClass(LPCWSTR name);
void ForgetApplicationClasses();

void FreeIfReleased(Window* window);

// Messages
LRESULT Deliver(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
void PurgeMessages(HWND hwnd);
bool NextMessage(MSG* msg, HWND filter, bool remove);  // posted, input, paint, timer; false if none

// Painting
void InvalidateTree(HWND hwnd);
void EraseNow(HWND hwnd, bool allChildren);  // WM_ERASEBKGND now where an erase is pending
void InvalidateUncovered(HWND parent, const RECT& area);
bool NeedsPaint(HWND hwnd);
HWND NextWindowToPaint();
void ValidatePainted(HWND hwnd, unsigned invalidationsBefore);
void ResizeSurface(Window* window);

// Focus, activation, capture
void ActivateNext(HWND leaving);
void ReleaseCaptureWithin(HWND hwnd);
void LoseFocusWithin(HWND hwnd);
bool IsWithin(HWND hwnd, HWND ancestor);

// Input
bool NextInputMessage(MSG* msg, UINT low, UINT high, bool remove);
void QueuePen(InputEvent::Type type, int x, int y);
void QueueKey(UINT vk, bool down);
MSG KeyMessage(HWND target, const InputEvent& event, bool remove);
void FocusWindow(HWND hwnd, WPARAM how);
void HideWindow(HWND hwnd);
void ShowCommon(HWND hwnd, bool activate);

// Timers
bool NextTimerMessage(MSG* msg, HWND filter, bool remove);
void KillTimersOf(HWND hwnd);
bool EarliestTimer(DWORD* due);

// Z-order
void BringToTop(HWND hwnd);
HWND HitTest(POINT screenPoint);

}  // namespace wincore
