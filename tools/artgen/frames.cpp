// The two nine-part frames. Everything that varies lies within 22 pixels of an edge, so edges
// and centre are uniform along the direction the frame code stretches them.
#include "colours.h"
#include "pictures.h"
#include "shapes.h"

namespace artgen {

namespace {

constexpr int FrameWidth = 216;
constexpr int FrameHeight = 102;

}  // namespace

// A white drop-down panel hanging from the field above it: square-ish top with a blue edge,
// rounded bottom, soft shadow at the sides and below.
Surface drawListFrame()
{
    Surface surface = makeSurface(FrameWidth, FrameHeight);
    Context context = makeContext(surface);
    cairo_t* cr = context.get();

    const Rect panel{5, 0, FrameWidth - 10, FrameHeight - 7};
    const Corners corners{3, 3, 9, 9};

    softRing(cr, {panel.x, panel.y + 1, panel.w, panel.h}, corners, 6, colour::Ink, 0.32);

    roundedRect(cr, panel, corners);
    setColour(cr, colour::White);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    setVerticalGradient(cr, 0, 12, {{0, colour::BlueLight}, {1, colour::BlueLight, 0}});
    cairo_rectangle(cr, 0, 0, FrameWidth, 12);
    cairo_fill(cr);
    setColour(cr, colour::BlueMid);
    cairo_rectangle(cr, 0, 0, FrameWidth, 2);
    cairo_fill(cr);
    cairo_restore(cr);

    roundedRect(cr, panel.grown(-0.5), corners.grown(-0.5));
    setColour(cr, colour::SoftBorder);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    return surface;
}

// Pale blue glass: about three quarters opaque inside, a firmer rim, and a glow of the same tint
// fading to nothing at the picture's edge.
Surface drawMenuFrame()
{
    Surface surface = makeSurface(FrameWidth, FrameHeight);
    Context context = makeContext(surface);
    cairo_t* cr = context.get();

    const Rect panel{6, 6, FrameWidth - 12, FrameHeight - 12};
    const Corners corners = Corners::all(10);

    softRing(cr, panel, corners, 6, colour::MenuTint, 0.55);

    roundedRect(cr, panel, corners);
    setColour(cr, colour::MenuTint, 0.75);
    cairo_fill(cr);

    roundedRect(cr, panel.grown(-0.75), corners.grown(-0.75));
    setColour(cr, colour::MenuRim, 0.92);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);

    roundedRect(cr, panel.grown(-2), corners.grown(-2));
    setColour(cr, colour::White, 0.45);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    return surface;
}

}  // namespace artgen
