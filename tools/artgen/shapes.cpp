#include "shapes.h"

#include <algorithm>

namespace artgen {

namespace {

double channel(uint32_t rgb, int shift)
{
    return ((rgb >> shift) & 0xFF) / 255.0;
}

void arcCorner(cairo_t* cr, double cx, double cy, double r, double from, double to)
{
    if (r <= 0) {
        cairo_line_to(cr, cx, cy);
        return;
    }
    cairo_arc(cr, cx, cy, r, from, to);
}

}  // namespace

Corners Corners::grown(double d) const
{
    auto grow = [d](double r) { return r > 0 ? std::max(0.0, r + d) : 0.0; };
    return {grow(topLeft), grow(topRight), grow(bottomRight), grow(bottomLeft)};
}

void roundedRect(cairo_t* cr, Rect r, Corners c)
{
    const double quarter = Pi / 2;
    cairo_new_sub_path(cr);
    arcCorner(cr, r.x + c.topLeft, r.y + c.topLeft, c.topLeft, 2 * quarter, 3 * quarter);
    arcCorner(cr, r.right() - c.topRight, r.y + c.topRight, c.topRight, 3 * quarter, 4 * quarter);
    arcCorner(cr, r.right() - c.bottomRight, r.bottom() - c.bottomRight, c.bottomRight, 0, quarter);
    arcCorner(cr, r.x + c.bottomLeft, r.bottom() - c.bottomLeft, c.bottomLeft, quarter, 2 * quarter);
    cairo_close_path(cr);
}

void polygon(cairo_t* cr, std::initializer_list<Point> points)
{
    cairo_new_sub_path(cr);
    for (const Point& p : points)
        cairo_line_to(cr, p.x, p.y);
    cairo_close_path(cr);
}

void setColour(cairo_t* cr, uint32_t rgb, double alpha)
{
    cairo_set_source_rgba(cr, channel(rgb, 16), channel(rgb, 8), channel(rgb, 0), alpha);
}

void setVerticalGradient(cairo_t* cr, double top, double bottom, std::initializer_list<Stop> stops)
{
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0, top, 0, bottom);
    for (const Stop& s : stops)
        cairo_pattern_add_color_stop_rgba(pattern, s.offset, channel(s.rgb, 16), channel(s.rgb, 8),
                                          channel(s.rgb, 0), s.alpha);
    cairo_set_source(cr, pattern);
    cairo_pattern_destroy(pattern);
}

void strokeLine(cairo_t* cr, std::initializer_list<Point> points, double width)
{
    cairo_new_path(cr);
    for (const Point& p : points)
        cairo_line_to(cr, p.x, p.y);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void softRing(cairo_t* cr, Rect r, Corners corners, int spread, uint32_t rgb, double alpha)
{
    cairo_save(cr);
    cairo_set_line_width(cr, 1.0);
    for (int i = 0; i < spread; ++i) {
        const double d = i + 0.5;
        const double fade = 1.0 - d / spread;
        setColour(cr, rgb, alpha * fade * fade);
        cairo_new_path(cr);
        roundedRect(cr, r.grown(d), corners.grown(d));
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

}  // namespace artgen
