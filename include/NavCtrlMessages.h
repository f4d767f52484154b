/// @file
/// Messages the combo box and the vector box send to their owner.
#pragma once

#include <windows.h>

/// Sent to the owner at each paint of a combo box's field or a vector box, to paint what lies
/// beneath the control: wParam = memory DC whose origin is the control's top-left corner,
/// lParam = RECT* of the control in the owner's client coordinates. The control draws over it;
/// what the owner leaves unpainted is undefined.
constexpr UINT WM_NAVCTRL_PAINTBK = 0x0608;
