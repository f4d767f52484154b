// Pictograms for the demo's icons, drawn in one colour in a 24 x 24 design box.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "shapes.h"

namespace demoart {

enum class Glyph {
    Home, Work, Train, Plane, Tree, Hospital, Fuel, Food, Museum, Parking,
    Navigate, Star, Search, Share, Block, Gear, Info,
    Car, Bike, Walk, Bus,
};

// Draws `glyph` in `rgb`, its 24 x 24 design box scaled to `size` and centred on `centre`.
void drawGlyph(cairo_t* cr, Glyph glyph, artgen::Point centre, double size, uint32_t rgb);

}  // namespace demoart
