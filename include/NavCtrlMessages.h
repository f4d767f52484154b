// Messages the combo box and the vector box send to their owner.
#pragma once

#include <windows.h>

// Asks the owner to paint what lies beneath the control: wParam = memory DC whose origin is the
// control's top-left corner, lParam = RECT* of the control in the owner's client coordinates.
constexpr UINT WM_NAVCTRL_PAINTBK = 0x0608;
