// Window timers on the platform clock.
#include <algorithm>

#include "window/manager.h"

namespace wincore {

namespace {

constexpr UINT kMinimumElapse = 10;  // ms; Win32's floor for timer periods

std::vector<Timer>::iterator Find(HWND hwnd, UINT_PTR id)
{
    auto& timers = WM().timers;
    return std::find_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
}

// The earliest due timer (ties: the one set first) that passes the filter.
Timer* EarliestDue(HWND filter, DWORD now)
{
    Timer* best = nullptr;
    for (Timer& timer : WM().timers) {
        if (timer.due > now || (filter && !IsWithin(timer.hwnd, filter))) continue;
        if (!best || timer.due < best->due || (timer.due == best->due && timer.serial < best->serial)) best = &timer;
    }
    return best;
}

}  // namespace

bool NextTimerMessage(MSG* msg, HWND filter, bool remove)
{
    DWORD now = Now();
    Timer* timer = EarliestDue(filter, now);
    if (!timer) return false;
    *msg = MSG{timer->hwnd, WM_TIMER, timer->id, 0, now, {0, 0}};
    // An overdue timer fires once, then runs on from now.
    if (remove) timer->due = now + timer->elapse;
    return true;
}

void KillTimersOf(HWND hwnd)
{
    auto& timers = WM().timers;
    timers.erase(std::remove_if(timers.begin(), timers.end(), [hwnd](const Timer& t) { return t.hwnd == hwnd; }),
                 timers.end());
}

bool EarliestTimer(DWORD* due)
{
    auto& timers = WM().timers;
    if (timers.empty()) return false;
    *due = std::min_element(timers.begin(), timers.end(), [](auto& a, auto& b) { return a.due < b.due; })->due;
    return true;
}

}  // namespace wincore

using namespace wincore;

WINCORE_API UINT_PTR WINAPI SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC timerProc)
{
    // Timers are delivered as WM_TIMER only; callback procedures are not supported.
    if (!FindWindow(hwnd) || timerProc) return 0;
    Manager& wm = WM();
    elapse = std::max(elapse, kMinimumElapse);
    auto existing = Find(hwnd, id);
    Timer timer{hwnd, id, elapse, Now() + elapse, ++wm.timerSerial};
    if (existing != wm.timers.end())
        *existing = timer;
    else
        wm.timers.push_back(timer);
    return id ? id : 1;
}

WINCORE_API BOOL WINAPI KillTimer(HWND hwnd, UINT_PTR id)
{
    auto found = Find(hwnd, id);
    if (found == WM().timers.end()) return FALSE;
    WM().timers.erase(found);
    return TRUE;
}
