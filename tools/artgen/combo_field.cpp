// The combo box field: a text part the box stretches horizontally (0 to 192) and a 60-pixel drop
// button whose first columns hold the separator, so the pressed look of either part ends exactly
// at the separator.
//
// The pressed look is drawn straight over the field already on screen, text included, so its
// faces are a translucent darker blue: the field darkens and its text stays readable.
#include "colours.h"
#include "pictures.h"
#include "shapes.h"

namespace artgen {

namespace {

constexpr int Width = 252;
constexpr int Height = 42;
constexpr double Separator = 192;
constexpr double Radius = 8;

struct FieldColours {
    Stop textTop;
    Stop textBottom;
    Stop buttonTop;
    Stop buttonBottom;
    double insetShadow;
    uint32_t separatorDark;
    double separatorLight;
    uint32_t border;
    uint32_t chevron;
};

FieldColours coloursFor(FieldLook look)
{
    switch (look) {
    case FieldLook::Disabled:
        return {{0, colour::GreyPale}, {1, 0xe4e7ea}, {0, 0xeef0f2}, {1, 0xd5d9de},
                0.06, 0xbfc5cc, 0.7, 0xa3aab3, colour::Grey};
    case FieldLook::Pressed:
        return {{0, colour::BlueDeep, 0.50}, {1, colour::BlueDeep, 0.62}, {0, colour::BlueDeep, 0.55},
                {1, colour::BlueDeep, 0.68}, 0.35, 0x1f3f66, 0.25, 0x223041, colour::OrangeDeep};
    case FieldLook::Normal:
        break;
    }
    return {{0, colour::White}, {1, colour::BlueFaint}, {0, 0xeaf4fe}, {1, colour::BlueLight},
            0.12, 0x8aa6c4, 0.7, colour::FrameBorder, colour::Orange};
}

void fillFaces(cairo_t* cr, const FieldColours& c)
{
    setVerticalGradient(cr, 0, Height, {c.textTop, c.textBottom});
    cairo_rectangle(cr, 0, 0, Separator + 1, Height);
    cairo_fill(cr);
    setVerticalGradient(cr, 0, Height, {c.buttonTop, c.buttonBottom});
    cairo_rectangle(cr, Separator + 1, 0, Width - Separator - 1, Height);
    cairo_fill(cr);
    setVerticalGradient(cr, 1, 6, {{0, colour::Ink, c.insetShadow}, {1, colour::Ink, 0}});
    cairo_rectangle(cr, 0, 1, Width, 5);
    cairo_fill(cr);
}

void drawSeparator(cairo_t* cr, const FieldColours& c)
{
    cairo_set_line_width(cr, 1.0);
    setColour(cr, c.separatorDark);
    cairo_move_to(cr, Separator + 0.5, 6);
    cairo_line_to(cr, Separator + 0.5, Height - 6);
    cairo_stroke(cr);
    setColour(cr, colour::White, c.separatorLight);
    cairo_move_to(cr, Separator + 1.5, 6);
    cairo_line_to(cr, Separator + 1.5, Height - 6);
    cairo_stroke(cr);
}

void drawChevron(cairo_t* cr, const FieldColours& c, FieldLook look)
{
    const double x = (Separator + 2 + Width - 1) / 2;
    const double y = Height / 2.0;
    setColour(cr, c.chevron);
    // The pressed chevron is a little heavier so that it covers the normal one beneath it.
    strokeLine(cr, {{x - 7, y - 3.5}, {x, y + 3.5}, {x + 7, y - 3.5}}, look == FieldLook::Pressed ? 4.2 : 3.5);
}

}  // namespace

Surface drawComboField(FieldLook look)
{
    Surface surface = makeSurface(Width, Height);
    Context context = makeContext(surface);
    cairo_t* cr = context.get();
    const FieldColours c = coloursFor(look);
    const Rect box{0, 0, Width, Height};

    cairo_save(cr);
    roundedRect(cr, box, Corners::all(Radius));
    cairo_clip(cr);
    fillFaces(cr, c);
    drawSeparator(cr, c);
    cairo_restore(cr);

    roundedRect(cr, box.grown(-0.5), Corners::all(Radius - 0.5));
    setColour(cr, c.border);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);

    drawChevron(cr, c, look);
    return surface;
}

}  // namespace artgen
