// Pen input for storms: points near a control (now and then anywhere on the screen), the gestures
// a finger makes, and the clock advancing between strokes.
#pragma once

#include <windows.h>

#include <wincore/host.h>

#include "support/fuzz_input.h"

namespace pen {

constexpr int kScreenWidth = 800, kScreenHeight = 480;  // pixels
constexpr int kMargin = 12;                             // pixels around the target

inline POINT Near(FuzzInput& input, HWND target)
{
    RECT rect = {0, 0, kScreenWidth, kScreenHeight};
    if (input.Byte() < 224 && IsWindow(target)) {
        GetWindowRect(target, &rect);
        InflateRect(&rect, kMargin, kMargin);
    }
    const unsigned width = rect.right > rect.left ? unsigned(rect.right - rect.left) : 1;
    const unsigned height = rect.bottom > rect.top ? unsigned(rect.bottom - rect.top) : 1;
    // A braced list is read left to right.
    return POINT{rect.left + int(input.Word() % width), rect.top + int(input.Word() % height)};
}

inline void Tap(POINT point)
{
    wincore::PenDown(point.x, point.y);
    wincore::PenUp(point.x, point.y);
}

// A stroke that may end in a flick.
inline void Drag(FuzzInput& input, HWND target)
{
    POINT point = Near(input, target);
    wincore::PenDown(point.x, point.y);
    for (int moves = input.Range(1, 8); moves > 0; moves--) {
        point.x += input.Range(-40, 40);
        point.y += input.Range(-90, 90);
        wincore::Advance(DWORD(input.Range(0, 60)));
        wincore::PenMove(point.x, point.y);
    }
    wincore::PenUp(point.x, point.y);
}

inline void DoubleTap(FuzzInput& input, HWND target)
{
    const POINT point = Near(input, target);
    for (int tap = 0; tap < 2; tap++) {
        Tap(point);
        wincore::Advance(DWORD(input.Range(0, 120)));
    }
}

}  // namespace pen

struct Gesture {
    const char* name;
    void (*action)(FuzzInput&, HWND target);
};

inline const Gesture kGestures[] = {
    {"pen down", [](FuzzInput& in, HWND at) { const POINT p = pen::Near(in, at); wincore::PenDown(p.x, p.y); }},
    {"pen move", [](FuzzInput& in, HWND at) { const POINT p = pen::Near(in, at); wincore::PenMove(p.x, p.y); }},
    {"pen up", [](FuzzInput& in, HWND at) { const POINT p = pen::Near(in, at); wincore::PenUp(p.x, p.y); }},
    {"tap", [](FuzzInput& in, HWND at) { pen::Tap(pen::Near(in, at)); }},
    {"drag", pen::Drag},
    {"double tap", pen::DoubleTap},
    {"pause", [](FuzzInput& in, HWND) { wincore::Advance(DWORD(in.Range(0, 700))); }},
};
