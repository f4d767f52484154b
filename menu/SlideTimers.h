// The sliding panel's timers, both on its own window.
#pragma once

#include <windows.h>

namespace slide {

constexpr UINT_PTR kOpeningTimer = 1;
constexpr UINT_PTR kClosingTimer = 2;
constexpr UINT kTimerPeriod = 100;  // ms

}  // namespace slide
