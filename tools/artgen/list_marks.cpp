// The list's row marks: check boxes and the two right arrows of the arrow image list.
#include "colours.h"
#include "pictures.h"
#include "shapes.h"

namespace artgen {

namespace {

constexpr int CheckSize = 30;
constexpr int ArrowCell = 28;
constexpr int ArrowHeight = 27;

void drawTick(cairo_t* cr, bool set)
{
    const std::initializer_list<Point> tick{{8.5, 15}, {13, 20}, {22, 9}};
    if (!set) {
        setColour(cr, colour::Grey);
        strokeLine(cr, tick, 3.2);
        return;
    }
    setColour(cr, colour::GreenDark);
    strokeLine(cr, tick, 5.2);
    setColour(cr, colour::Green);
    strokeLine(cr, tick, 3.0);
}

void drawChevron(cairo_t* cr, double cx, uint32_t rgb)
{
    const double cy = ArrowHeight / 2.0;
    setColour(cr, rgb);
    strokeLine(cr, {{cx - 3.5, cy - 7}, {cx + 3.5, cy}, {cx - 3.5, cy + 7}}, 4.2);
}

}  // namespace

Surface drawCheckBox(bool set)
{
    Surface surface = makeSurface(CheckSize, CheckSize);
    Context context = makeContext(surface);
    cairo_t* cr = context.get();
    const Rect box{2, 2, CheckSize - 4, CheckSize - 4};
    const Corners corners = Corners::all(5);

    roundedRect(cr, box, corners);
    if (set)
        setVerticalGradient(cr, box.y, box.bottom(), {{0, colour::White}, {1, 0xd9e7f5}});
    else
        setVerticalGradient(cr, box.y, box.bottom(), {{0, 0xfbfcfd}, {1, 0xdde1e6}});
    cairo_fill(cr);

    roundedRect(cr, box.grown(-0.75), corners.grown(-0.75));
    setColour(cr, set ? 0x4a6a8f : colour::GreyMid);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);

    roundedRect(cr, box.grown(-2), corners.grown(-2));
    setColour(cr, colour::White, 0.7);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);

    drawTick(cr, set);
    return surface;
}

// Image 0: dark blue, for ordinary rows; image 1: orange, for the selected row.
Surface drawListArrows()
{
    Surface surface = makeSurface(2 * ArrowCell, ArrowHeight);
    Context context = makeContext(surface);
    drawChevron(context.get(), ArrowCell / 2.0, colour::BlueNavy);
    drawChevron(context.get(), ArrowCell + ArrowCell / 2.0, colour::Orange);
    return surface;
}

}  // namespace artgen
