// The host API over real Win32 (platform/win32/host): the same contract as wincore's, so that a
// test builds for both. The display backend has no counterpart: the desktop is the display.
#pragma once

#include "../../../include/wincore/host.h"
