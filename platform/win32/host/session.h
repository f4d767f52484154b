// State of the host API over Win32 shared by its source files.
#pragma once

#include <windows.h>

namespace wincore {

// The screen as captured after the last input or pump; stale once anything may have drawn.
void ForgetScreen();

}  // namespace wincore
