// Pen input for storms: points near a control (now and then anywhere on the screen) and the
// gestures a finger makes.
#pragma once

#include <windows.h>

#include "support/fuzz_input.h"

constexpr int kPenGestures = 7;

// Performs gesture `which` (0..kPenGestures-1) near `target`: down, move, up, tap, drag with a
// flick, double tap, or a clock advance between strokes.
void PenGesture(FuzzInput& input, int which, HWND target);
