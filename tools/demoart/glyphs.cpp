#include "glyphs.h"

#include <cmath>

namespace demoart {

using artgen::Point;
using artgen::polygon;
using artgen::strokeLine;

namespace {

void circle(cairo_t* cr, double x, double y, double r)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * artgen::Pi);
}

void box(cairo_t* cr, double x, double y, double w, double h, double r)
{
    artgen::roundedRect(cr, {x, y, w, h}, artgen::Corners::all(r));
}

void home(cairo_t* cr)
{
    polygon(cr, {{0, -10}, {11, 0}, {8, 0}, {8, 10}, {2.5, 10}, {2.5, 3}, {-2.5, 3}, {-2.5, 10}, {-8, 10}, {-8, 0},
                 {-11, 0}});
    cairo_fill(cr);
}

void work(cairo_t* cr)
{
    box(cr, -10, -5, 20, 14, 2.5);
    cairo_fill(cr);
    cairo_set_line_width(cr, 2.4);
    box(cr, -4.5, -9.5, 9, 6, 1.5);
    cairo_stroke(cr);
}

void train(cairo_t* cr)
{
    box(cr, -8, -11, 16, 17, 4);
    cairo_fill(cr);
    strokeLine(cr, {{-6, 7}, {-9, 11}}, 2.2);
    strokeLine(cr, {{6, 7}, {9, 11}}, 2.2);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    box(cr, -5.5, -8, 11, 6, 1);
    circle(cr, -4, 2.5, 1.6);
    circle(cr, 4, 2.5, 1.6);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

void plane(cairo_t* cr)
{
    polygon(cr, {{0, -11}, {2, -8}, {2, -3}, {11, 3}, {11, 5}, {2, 2}, {2, 7}, {5, 10}, {5, 11}, {0, 9.5},
                 {-5, 11}, {-5, 10}, {-2, 7}, {-2, 2}, {-11, 5}, {-11, 3}, {-2, -3}, {-2, -8}});
    cairo_fill(cr);
}

void tree(cairo_t* cr)
{
    circle(cr, 0, -4, 7.5);
    circle(cr, -5, 1, 5);
    circle(cr, 5, 1, 5);
    cairo_fill(cr);
    cairo_rectangle(cr, -1.6, 2, 3.2, 9);
    cairo_fill(cr);
}

void hospital(cairo_t* cr)
{
    polygon(cr, {{-3.5, -10}, {3.5, -10}, {3.5, -3.5}, {10, -3.5}, {10, 3.5}, {3.5, 3.5}, {3.5, 10}, {-3.5, 10},
                 {-3.5, 3.5}, {-10, 3.5}, {-10, -3.5}, {-3.5, -3.5}});
    cairo_fill(cr);
}

void fuel(cairo_t* cr)
{
    box(cr, -9, -10, 12, 20, 2);
    cairo_fill(cr);
    strokeLine(cr, {{3, -6}, {7, -3}, {7, 6}, {9.5, 6}, {9.5, -4}}, 2);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    box(cr, -6.5, -7.5, 7, 5, 1);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

void food(cairo_t* cr)
{
    strokeLine(cr, {{-6, -10}, {-6, 10}}, 2.4);
    strokeLine(cr, {{-9.5, -10}, {-9.5, -4}, {-2.5, -4}, {-2.5, -10}}, 2);
    polygon(cr, {{4, 10}, {4, -10}, {9, -6}, {9, 2}, {6.5, 2}, {6.5, 10}});
    cairo_fill(cr);
}

void museum(cairo_t* cr)
{
    polygon(cr, {{0, -11}, {11, -5}, {-11, -5}});
    cairo_fill(cr);
    for (double x : {-8.0, -3.0, 2.0, 7.0}) cairo_rectangle(cr, x - 0.5, -3, 2.2, 10);
    cairo_rectangle(cr, -11, 8, 22, 3);
    cairo_fill(cr);
}

void parking(cairo_t* cr)
{
    cairo_set_line_width(cr, 3.4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr, -5, 10);
    cairo_line_to(cr, -5, -9);
    cairo_line_to(cr, 1.5, -9);
    cairo_arc(cr, 1.5, -3.5, 5.5, -artgen::Pi / 2, artgen::Pi / 2);
    cairo_line_to(cr, -5, 2);
    cairo_stroke(cr);
}

void navigate(cairo_t* cr)
{
    polygon(cr, {{10, -10}, {1, 11}, {-1, 1}, {-11, -1}});
    cairo_fill(cr);
}

void star(cairo_t* cr)
{
    cairo_new_sub_path(cr);
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? 4.6 : 11;
        const double a = -artgen::Pi / 2 + i * artgen::Pi / 5;
        cairo_line_to(cr, r * std::cos(a), r * std::sin(a) + 1);
    }
    cairo_close_path(cr);
    cairo_fill(cr);
}

void search(cairo_t* cr)
{
    cairo_set_line_width(cr, 3);
    circle(cr, -2.5, -2.5, 6.5);
    cairo_stroke(cr);
    strokeLine(cr, {{2.5, 2.5}, {9.5, 9.5}}, 3.6);
}

void share(cairo_t* cr)
{
    strokeLine(cr, {{-6, 0}, {6, -7}}, 2.2);
    strokeLine(cr, {{-6, 0}, {6, 7}}, 2.2);
    circle(cr, -6, 0, 4);
    circle(cr, 6, -7, 4);
    circle(cr, 6, 7, 4);
    cairo_fill(cr);
}

void block(cairo_t* cr)
{
    cairo_set_line_width(cr, 3);
    circle(cr, 0, 0, 9.5);
    cairo_stroke(cr);
    strokeLine(cr, {{-6.5, 6.5}, {6.5, -6.5}}, 3);
}

void gear(cairo_t* cr)
{
    cairo_new_sub_path(cr);
    for (int i = 0; i < 32; ++i) {
        const double a = i * artgen::Pi / 16;
        const double r = (i / 2) % 2 ? 8 : 11;
        cairo_line_to(cr, r * std::cos(a), r * std::sin(a));
    }
    cairo_close_path(cr);
    circle(cr, 0, 0, 3.5);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void info(cairo_t* cr)
{
    cairo_set_line_width(cr, 2.4);
    circle(cr, 0, 0, 10);
    cairo_stroke(cr);
    circle(cr, 0, -5, 1.8);
    cairo_fill(cr);
    strokeLine(cr, {{0, -1}, {0, 6}}, 2.8);
}

void car(cairo_t* cr)
{
    polygon(cr, {{-11, 5}, {-11, -1}, {-7, -2}, {-4, -8}, {5, -8}, {8, -2}, {11, -1}, {11, 5}});
    cairo_fill(cr);
    circle(cr, -6, 6, 3.2);
    circle(cr, 6, 6, 3.2);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    polygon(cr, {{-5.5, -2.5}, {-3, -6.5}, {4, -6.5}, {6, -2.5}});
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

void bike(cairo_t* cr)
{
    cairo_set_line_width(cr, 2.2);
    circle(cr, -6.5, 4, 5);
    cairo_stroke(cr);
    circle(cr, 6.5, 4, 5);
    cairo_stroke(cr);
    strokeLine(cr, {{-6.5, 4}, {-2, -5}, {5, -5}, {6.5, 4}}, 2.2);
    strokeLine(cr, {{-2, -5}, {0, 4}, {5, -5}}, 2.2);
    strokeLine(cr, {{-4, -8}, {0, -8}}, 2.2);
}

void walk(cairo_t* cr)
{
    circle(cr, 1.5, -9, 2.8);
    cairo_fill(cr);
    strokeLine(cr, {{0, -4}, {-1.5, 3}}, 3.4);
    strokeLine(cr, {{-1.5, 3}, {-5, 11}}, 3);
    strokeLine(cr, {{-1.5, 3}, {3, 6}, {3.5, 11}}, 3);
    strokeLine(cr, {{-6, 0}, {-3, -4}, {3, -3}, {6, 1}}, 2.4);
}

void bus(cairo_t* cr)
{
    box(cr, -9, -11, 18, 19, 3);
    cairo_fill(cr);
    strokeLine(cr, {{-5.5, 8}, {-5.5, 11}}, 3);
    strokeLine(cr, {{5.5, 8}, {5.5, 11}}, 3);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    box(cr, -6.5, -8, 13, 7, 1);
    circle(cr, -5, 4, 1.6);
    circle(cr, 5, 4, 1.6);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

using Draw = void (*)(cairo_t*);

Draw drawingOf(Glyph glyph)
{
    static const Draw drawings[] = {home,     work, train,  plane, tree,  hospital, fuel, food, museum, parking,
                                    navigate, star, search, share, block, gear,     info, car,  bike,   walk,
                                    bus};
    return drawings[static_cast<int>(glyph)];
}

}  // namespace

void drawGlyph(cairo_t* cr, Glyph glyph, Point centre, double size, uint32_t rgb)
{
    // Glyphs that cut holes (CAIRO_OPERATOR_CLEAR) need a layer of their own.
    cairo_save(cr);
    cairo_push_group(cr);
    cairo_translate(cr, centre.x, centre.y);
    cairo_scale(cr, size / 24, size / 24);
    artgen::setColour(cr, rgb);
    drawingOf(glyph)(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
    cairo_restore(cr);
}

}  // namespace demoart
