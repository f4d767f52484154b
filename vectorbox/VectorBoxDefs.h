// Constants shared by the vector box's source files.
#pragma once

#include <windows.h>

#include "NavVectorBox.h"

namespace vectorbox {

constexpr int kCapWidth = 58;               // px, arrow cap of both frame pictures
constexpr int kFrameHeight = 42;            // px, height of both frame pictures
constexpr int kPressedInset = 2;            // px, a pressed owner-drawn arrow is inverted this far inside

constexpr UINT kTimerSlideBack = 1;     // after a step to the previous item
constexpr UINT kTimerSlideForward = 2;  // after a step to the next item
constexpr UINT kSlidePeriod = 50;       // ms
constexpr int kSlideTicks = 6;          // a slide moves a sixth of the middle field per tick

constexpr int kMaxPath = 260;             // units of a frame file path, terminator included
constexpr int kMaxPassWidth = 0x7FFF;     // pen coordinates are 16-bit

}  // namespace vectorbox
