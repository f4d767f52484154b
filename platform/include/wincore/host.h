// What tests, benchmarks, fuzzers and the demo use to drive wincore.
#pragma once

#include <windows.h>

#pragma GCC visibility push(default)
namespace wincore {

struct HostConfig {
    int screenWidth = 800;
    int screenHeight = 480;
    int dpi = 96;
    bool manualClock = true;  // false: real monotonic time
};

void HostStart(const HostConfig& config = HostConfig());  // fresh screen, no windows, clock at 0
void HostStop();  // destroys every window left; clears focus, capture, timers, queue
DWORD HostNow();  // the platform clock in ms (what GetTickCount returns)
void Advance(DWORD ms);  // manual clock: steps to each timer due on the way, in order,
                         // delivering it and pumping after each, then to now + ms
void Pump();  // dispatches everything pending now: posted, input, paint, due timers
void PenDown(int x, int y);  // screen coordinates; routed as hardware input, then Pump()
void PenMove(int x, int y);
void PenUp(int x, int y);
COLORREF ScreenPixel(int x, int y);  // the composed screen
bool SaveScreenPng(const char* path);
int LiveGdiObjects();  // created and not yet deleted (stock objects excluded)
int LiveWindows();
int ComInitCount();    // CoInitializeEx calls not yet balanced by CoUninitialize
int LiveComObjects();  // COM objects (factories, images, streams) not yet released

}  // namespace wincore
#pragma GCC visibility pop
