// The vector box frame: two 58-pixel arrow caps around a plain field that the box stretches
// horizontally, so the field is uniform along x and every arrow lies inside its cap.
#include "arrow_mark.h"
#include "colours.h"
#include "pictures.h"
#include "shapes.h"

namespace artgen {

namespace {

constexpr int Width = 252;
constexpr int Height = 42;
constexpr int Cap = 58;
constexpr double Radius = 8;

void fillField(cairo_t* cr)
{
    setVerticalGradient(cr, 0, Height, {{0, colour::White}, {0.6, colour::BlueWhite}, {1, 0xe3ebf4}});
    cairo_paint(cr);
    setVerticalGradient(cr, 1, 5, {{0, colour::Ink, 0.14}, {1, colour::Ink, 0}});
    cairo_rectangle(cr, 0, 1, Width, 4);
    cairo_fill(cr);
}

void fillCaps(cairo_t* cr, bool pressed)
{
    if (pressed)
        setVerticalGradient(cr, 0, Height, {{0, 0x6d9dd1}, {1, 0x2e63a3}});
    else
        setVerticalGradient(cr, 0, Height,
                            {{0, 0xeaf4fe}, {0.48, 0xc6def5}, {0.52, 0xb2d2f1}, {1, 0x9bc4ec}});
    cairo_rectangle(cr, 0, 0, Cap, Height);
    cairo_rectangle(cr, Width - Cap, 0, Cap, Height);
    cairo_fill(cr);
    if (!pressed)
        return;
    setVerticalGradient(cr, 0, 6, {{0, colour::Ink, 0.35}, {1, colour::Ink, 0}});
    cairo_rectangle(cr, 0, 0, Cap, 6);
    cairo_rectangle(cr, Width - Cap, 0, Cap, 6);
    cairo_fill(cr);
}

// A groove on the inner edge of each cap: dark on the boundary, light just inside the cap.
void drawDividers(cairo_t* cr, bool pressed)
{
    cairo_set_line_width(cr, 1.0);
    setColour(cr, pressed ? 0x234e80 : 0x7d9bbc);
    cairo_move_to(cr, Cap - 0.5, 0);
    cairo_line_to(cr, Cap - 0.5, Height);
    cairo_move_to(cr, Width - Cap + 0.5, 0);
    cairo_line_to(cr, Width - Cap + 0.5, Height);
    cairo_stroke(cr);
    setColour(cr, colour::White, pressed ? 0.18 : 0.55);
    cairo_move_to(cr, Cap - 1.5, 0);
    cairo_line_to(cr, Cap - 1.5, Height);
    cairo_move_to(cr, Width - Cap + 1.5, 0);
    cairo_line_to(cr, Width - Cap + 1.5, Height);
    cairo_stroke(cr);
}

void drawCapArrows(cairo_t* cr, bool pressed)
{
    const ArrowStyle normal{0xffb54d, colour::Orange, colour::OrangeDark, 0.6};
    const ArrowStyle down{0xf0574c, colour::Red, colour::RedDark, 0};
    const ArrowStyle& style = pressed ? down : normal;
    const double y = Height / 2.0 + (pressed ? 1 : 0);
    drawArrow(cr, {Cap / 2.0, y}, 13, 18, Direction::Left, style);
    drawArrow(cr, {Width - Cap / 2.0, y}, 13, 18, Direction::Right, style);
}

}  // namespace

Surface drawVectorBoxFrame(bool pressed)
{
    Surface surface = makeSurface(Width, Height);
    Context context = makeContext(surface);
    cairo_t* cr = context.get();
    const Rect box{0, 0, Width, Height};

    cairo_save(cr);
    roundedRect(cr, box, Corners::all(Radius));
    cairo_clip(cr);
    fillField(cr);
    fillCaps(cr, pressed);
    drawDividers(cr, pressed);
    cairo_restore(cr);

    roundedRect(cr, box.grown(-0.5), Corners::all(Radius - 0.5));
    setColour(cr, colour::FrameBorder);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);

    drawCapArrows(cr, pressed);
    return surface;
}

}  // namespace artgen
