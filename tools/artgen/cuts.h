// The ways the controls cut and stretch the pictures, for previews of the pictures in use.
#pragma once

#include "shapes.h"
#include "surface.h"

namespace artgen {

// Draws the `source` rectangle of `picture` stretched (bilinear) into `destination`.
void drawPiece(cairo_t* cr, const Surface& picture, Rect source, Rect destination);

// Nine-part grid: fixed corners of `corner` pixels, stretched edges and centre.
void drawNineGrid(cairo_t* cr, const Surface& picture, Rect destination, double corner);

// The sliding panel's grid: top corners only, sides running down to the bottom edge.
void drawPanelGrid(cairo_t* cr, const Surface& picture, Rect destination, double corner);

}  // namespace artgen
