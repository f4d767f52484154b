// One fuzz input's run of the wincore host, and how a fuzzer reports a broken invariant.
#pragma once

#include <windows.h>

#include <functional>

// Prints what went wrong and aborts, so that libFuzzer keeps the input that did it.
[[noreturn]] void Fault(const char* what);
inline void Check(bool holds, const char* what)
{
    if (!holds) Fault(what);
}

// A fresh host (screen, manual clock) for the input; at the end, after the fuzzer has released
// every control, nothing the input created may still be alive.
class HostSession {
public:
    HostSession();
    ~HostSession();
    HostSession(const HostSession&) = delete;
    HostSession& operator=(const HostSession&) = delete;

    // Checks that no window and no GDI or COM object outlives what the input did; call it once
    // everything is released.
    void CheckNothingLeft() const;

private:
    int gdiAtStart_;
    int comAtStart_;
};

// A window that stands for the host application: it paints itself and what lies beneath a control
// when asked, and runs `onNotify` for every notification a control sends it (WM_COMMAND and the
// list's messages), where a fuzzer plays a host that reacts.
using NotifyHandler = std::function<void(UINT message, WPARAM wParam, LPARAM lParam)>;
HWND CreateOwner(DWORD style, int x, int y, int width, int height, HWND parent);
void SetNotifyHandler(NotifyHandler handler);

// A font of `height` pixels for the controls' texts; the caller deletes it.
HFONT CreateTextFont(int height);
