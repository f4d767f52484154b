// Small drawing vocabulary shared by the pictures: paths, colours, gradients, soft edges.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <initializer_list>

namespace artgen {

constexpr double Pi = 3.14159265358979323846;

struct Point {
    double x;
    double y;
};

struct Rect {
    double x;
    double y;
    double w;
    double h;

    Rect grown(double d) const { return {x - d, y - d, w + 2 * d, h + 2 * d}; }
    double right() const { return x + w; }
    double bottom() const { return y + h; }
};

struct Corners {
    double topLeft;
    double topRight;
    double bottomRight;
    double bottomLeft;

    static Corners all(double r) { return {r, r, r, r}; }
    Corners grown(double d) const;
};

struct Stop {
    double offset;
    uint32_t rgb;
    double alpha = 1.0;
};

void roundedRect(cairo_t* cr, Rect r, Corners corners);
void polygon(cairo_t* cr, std::initializer_list<Point> points);

void setColour(cairo_t* cr, uint32_t rgb, double alpha = 1.0);
void setVerticalGradient(cairo_t* cr, double top, double bottom, std::initializer_list<Stop> stops);

// A stroked polyline with round caps and joins, as icons are drawn.
void strokeLine(cairo_t* cr, std::initializer_list<Point> points, double width);

// Concentric one-pixel rings around a rounded rectangle whose alpha falls to zero after `spread`
// pixels: a soft shadow or glow that stays uniform along straight edges, so frames stretch cleanly.
void softRing(cairo_t* cr, Rect r, Corners corners, int spread, uint32_t rgb, double alpha);

}  // namespace artgen
