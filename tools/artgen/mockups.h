// The pictures cut and composed the way the controls use them, over a map-like background.
#pragma once

#include "store.h"

#include <vector>

namespace artgen {

// Draws an 800 x 480 mock screen from (x, y), with more samples below it (about 800 high in all).
void drawMockups(cairo_t* cr, const std::vector<Stored>& stored, double x, double y);

}  // namespace artgen
