// Filled triangular arrows with a dark outline, as the frames' buttons show them.
#pragma once

#include "shapes.h"

#include <cstdint>

namespace artgen {

enum class Direction { Left, Right };

struct ArrowStyle {
    uint32_t fillTop;
    uint32_t fillBottom;
    uint32_t outline;
    double embossAlpha;  // white bevel one pixel below; 0 for none
};

// A triangle `length` long along its direction and `breadth` across, centred on `centre`.
void drawArrow(cairo_t* cr, Point centre, double length, double breadth, Direction direction,
               const ArrowStyle& style);

}  // namespace artgen
