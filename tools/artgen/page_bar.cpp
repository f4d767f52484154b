// The list's page-scroll bar: nine button pictures side by side, in the cells the list cuts them
// from. Left end (skip to start) at 106 * state, middle (keyboard) at 318 + 108 * state, right end
// (skip to end) at W - 318 + 106 * state; state 0 normal, 1 pressed (lighter), 2 disabled.
// The ends are drawn 1:1; the middle is stretched across the bar, so its background is uniform
// along x and the separating ridges belong to the ends.
#include "colours.h"
#include "pictures.h"
#include "shapes.h"

namespace artgen {

namespace {

constexpr int Width = 960;
constexpr int Height = 44;
constexpr int EndWidth = 106;
constexpr int MiddleWidth = 108;
constexpr int States = 3;

enum class Button { Start, Keyboard, End };
enum class State { Normal, Pressed, Disabled };

struct Cell {
    Button button;
    State state;
    int x;
    int width;
};

Cell cellFor(Button button, int state)
{
    const auto look = static_cast<State>(state);
    switch (button) {
    case Button::Start:
        return {button, look, EndWidth * state, EndWidth};
    case Button::Keyboard:
        return {button, look, 3 * EndWidth + MiddleWidth * state, MiddleWidth};
    case Button::End:
        break;
    }
    return {button, look, Width - 3 * EndWidth + EndWidth * state, EndWidth};
}

void fillBackground(cairo_t* cr, const Cell& cell)
{
    switch (cell.state) {
    case State::Pressed:
        setVerticalGradient(cr, 0, Height, {{0, 0x617189}, {1, 0x3c4859}});
        break;
    case State::Disabled:
        setVerticalGradient(cr, 0, Height, {{0, 0x363e49}, {1, 0x272d35}});
        break;
    case State::Normal:
        setVerticalGradient(cr, 0, Height, {{0, 0x3e4857}, {1, 0x222932}});
        break;
    }
    cairo_paint(cr);

    setColour(cr, colour::Ink);
    cairo_rectangle(cr, 0, 0, cell.width, 1);
    cairo_fill(cr);
    if (cell.state == State::Pressed) {
        setVerticalGradient(cr, 1, 7, {{0, colour::Ink, 0.45}, {1, colour::Ink, 0}});
        cairo_rectangle(cr, 0, 1, cell.width, 6);
        cairo_fill(cr);
        setColour(cr, colour::BlueSoft, 0.85);
        cairo_rectangle(cr, 0, Height - 2, cell.width, 2);
        cairo_fill(cr);
        return;
    }
    setColour(cr, colour::White, 0.10);
    cairo_rectangle(cr, 0, 1, cell.width, 1);
    cairo_fill(cr);
}

// A dark line on the boundary with the middle button and a faint light one beside it.
void drawRidge(cairo_t* cr, const Cell& cell)
{
    if (cell.button == Button::Keyboard)
        return;
    const bool atRight = cell.button == Button::Start;
    const double dark = atRight ? cell.width - 0.5 : 0.5;
    const double light = atRight ? cell.width - 1.5 : 1.5;
    cairo_set_line_width(cr, 1.0);
    setColour(cr, colour::Ink, 0.9);
    cairo_move_to(cr, dark, 7);
    cairo_line_to(cr, dark, Height - 7);
    cairo_stroke(cr);
    setColour(cr, colour::White, 0.09);
    cairo_move_to(cr, light, 7);
    cairo_line_to(cr, light, Height - 7);
    cairo_stroke(cr);
}

// Bar and two triangles pointing at it, drawn pointing left; `mirror` flips it to the right.
void skipIcon(cairo_t* cr, Point c, bool mirror)
{
    cairo_save(cr);
    cairo_translate(cr, c.x, c.y);
    if (mirror)
        cairo_scale(cr, -1, 1);
    cairo_rectangle(cr, -13, -9, 3, 18);
    polygon(cr, {{-9.5, 0}, {1.5, -8}, {1.5, 8}});
    polygon(cr, {{1.5, 0}, {12.5, -8}, {12.5, 8}});
    cairo_set_line_width(cr, 1.2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_fill_preserve(cr);
    cairo_stroke(cr);
    cairo_restore(cr);
}

struct Key {
    int x;
    int row;
    int width;
};

constexpr Key KeyboardKeys[] = {
    {3, 0, 3}, {8, 0, 3}, {13, 0, 3}, {18, 0, 3},
    {5, 1, 3}, {10, 1, 3}, {15, 1, 3},
    {3, 2, 3}, {8, 2, 8}, {18, 2, 3},
};

// Narrow at 1:1 because the list stretches the middle button across the bar (2.5 times on a
// 480-pixel list, 5.4 times on an 800-pixel one); keys are pixel-aligned to stay crisp.
void keyboardIcon(cairo_t* cr, Point c)
{
    constexpr double Width = 24;
    const double left = c.x - Width / 2;
    const double top = c.y - 10;
    roundedRect(cr, {left + 0.75, top + 0.75, Width - 1.5, 18.5}, Corners::all(2.5));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    for (const Key& key : KeyboardKeys)
        cairo_rectangle(cr, left + key.x, top + 4 + 5 * key.row, key.width, 3);
    cairo_fill(cr);
}

void drawIcon(cairo_t* cr, const Cell& cell, uint32_t rgb, double alpha, double dy)
{
    const Point centre{cell.width / 2.0, Height / 2.0 + dy};
    setColour(cr, rgb, alpha);
    switch (cell.button) {
    case Button::Start:
        skipIcon(cr, centre, false);
        break;
    case Button::End:
        skipIcon(cr, centre, true);
        break;
    case Button::Keyboard:
        keyboardIcon(cr, centre);
        break;
    }
}

void drawCell(cairo_t* cr, const Cell& cell)
{
    cairo_save(cr);
    cairo_rectangle(cr, cell.x, 0, cell.width, Height);
    cairo_clip(cr);
    cairo_translate(cr, cell.x, 0);
    fillBackground(cr, cell);
    drawRidge(cr, cell);
    switch (cell.state) {
    case State::Normal:
        drawIcon(cr, cell, colour::Ink, 0.6, 1);
        drawIcon(cr, cell, colour::BlueIcon, 1.0, 0);
        break;
    case State::Pressed:
        drawIcon(cr, cell, colour::Ink, 0.5, 1);
        drawIcon(cr, cell, colour::White, 1.0, 0);
        break;
    case State::Disabled:
        drawIcon(cr, cell, colour::GreyDark, 0.75, 0);
        break;
    }
    cairo_restore(cr);
}

}  // namespace

Surface drawPageBar()
{
    Surface surface = makeSurface(Width, Height);
    Context context = makeContext(surface);
    for (Button button : {Button::Start, Button::Keyboard, Button::End})
        for (int state = 0; state < States; ++state)
            drawCell(context.get(), cellFor(button, state));
    return surface;
}

}  // namespace artgen
