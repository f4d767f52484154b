// The library's pictures, each drawn at its final size with alpha.
#pragma once

#include "surface.h"

namespace artgen {

enum class FieldLook { Normal, Disabled, Pressed };

// Nine-part frames cut with 22-pixel corners, 216 x 102.
Surface drawListFrame();
Surface drawMenuFrame();

// 252 x 42 with 58-pixel arrow caps.
Surface drawVectorBoxFrame(bool pressed);

// 252 x 42: text part and a 60-pixel drop button.
Surface drawComboField(FieldLook look);

// 960 x 44: three states each of the start, keyboard and end buttons.
Surface drawPageBar();

// 30 x 30.
Surface drawCheckBox(bool set);

// 56 x 27: two 28-pixel right arrows, normal and selected.
Surface drawListArrows();

// 180 x 270 panel cut with 10-pixel corners, and the 139 x 32 highlight cut with 6-pixel corners.
Surface drawMenuPanel();
Surface drawMenuHighlight();

}  // namespace artgen
