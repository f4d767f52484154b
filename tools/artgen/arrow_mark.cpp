#include "arrow_mark.h"

#include "colours.h"

namespace artgen {

namespace {

void trianglePath(cairo_t* cr, Point c, double length, double breadth, Direction direction)
{
    const double tip = direction == Direction::Left ? -length / 2 : length / 2;
    const double side = breadth / 2;
    cairo_new_path(cr);
    polygon(cr, {{c.x + tip, c.y}, {c.x - tip, c.y - side}, {c.x - tip, c.y + side}});
}

}  // namespace

void drawArrow(cairo_t* cr, Point centre, double length, double breadth, Direction direction,
               const ArrowStyle& style)
{
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    if (style.embossAlpha > 0) {
        trianglePath(cr, {centre.x, centre.y + 1}, length, breadth, direction);
        setColour(cr, colour::White, style.embossAlpha);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
    trianglePath(cr, centre, length, breadth, direction);
    setColour(cr, style.outline);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke_preserve(cr);
    setVerticalGradient(cr, centre.y - breadth / 2, centre.y + breadth / 2,
                        {{0, style.fillTop}, {1, style.fillBottom}});
    cairo_fill(cr);
    cairo_restore(cr);
}

}  // namespace artgen
