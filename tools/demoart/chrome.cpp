// What the demo lays over its map: the top and bottom bars, the frosted panel behind the
// destinations list, and the wells of the status line and the trip summary.
#include "demoart.h"

#include "glyphs.h"
#include "layout.h"
#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace demoart {

using artgen::Corners;
using artgen::Rect;
using artgen::setColour;

namespace {

Rect rectOf(layout::Box box)
{
    return {double(box.left), double(box.top), double(box.width()), double(box.height())};
}

void shadowBand(cairo_t* cr, double from, double to, double alpha)
{
    artgen::setVerticalGradient(cr, from, to, {{0, 0x000000, alpha}, {1, 0x000000, 0}});
    cairo_rectangle(cr, 0, std::min(from, to), layout::kScreenWidth, std::abs(to - from));
    cairo_fill(cr);
}

void topBar(cairo_t* cr)
{
    const Rect bar = rectOf(layout::kTopBar);
    shadowBand(cr, bar.bottom(), bar.bottom() + 8, 0.35);
    artgen::setVerticalGradient(cr, bar.y, bar.bottom(), {{0, 0x2a3542}, {1, 0x161d26}});
    cairo_rectangle(cr, bar.x, bar.y, bar.w, bar.h);
    cairo_fill(cr);
    setColour(cr, 0x465568);
    cairo_rectangle(cr, 0, bar.bottom() - 1, bar.w, 1);
    cairo_fill(cr);
    // The logo: a navigation arrow on a blue tile.
    const Rect tile{14, 8, 32, 32};
    artgen::roundedRect(cr, tile, Corners::all(7));
    artgen::setVerticalGradient(cr, tile.y, tile.bottom(), {{0, 0x4a9af0}, {1, 0x1f63c4}});
    cairo_fill(cr);
    drawGlyph(cr, Glyph::Navigate, {30, 24}, 20, 0xffffff);
}

void bottomBar(cairo_t* cr)
{
    const Rect bar = rectOf(layout::kBottomBar);
    shadowBand(cr, bar.y, bar.y - 8, 0.35);
    artgen::setVerticalGradient(cr, bar.y, bar.bottom(), {{0, 0x222c38}, {1, 0x121820}});
    cairo_rectangle(cr, bar.x, bar.y, bar.w, bar.h);
    cairo_fill(cr);
    setColour(cr, 0x465568);
    cairo_rectangle(cr, 0, bar.y, bar.w, 1);
    cairo_fill(cr);
}

void well(cairo_t* cr, layout::Box box)
{
    const Rect r = rectOf(box);
    artgen::roundedRect(cr, r, Corners::all(6));
    setColour(cr, 0x0c1117, 0.65);
    cairo_fill_preserve(cr);
    setColour(cr, 0x3b495a);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void listPanel(cairo_t* cr)
{
    const Rect r = rectOf(layout::kList);
    artgen::softRing(cr, r, Corners::all(6), 10, 0x1a2430, 0.30);
    artgen::roundedRect(cr, r, Corners::all(6));
    setColour(cr, 0xf7f9fb, 0.88);
    cairo_fill(cr);
    artgen::roundedRect(cr, {r.x - 0.5, r.y - 0.5, r.w + 1, r.h + 1}, Corners::all(6.5));
    setColour(cr, 0x9aa8b8);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

}  // namespace

artgen::Surface drawChrome()
{
    artgen::Surface surface = artgen::makeSurface(layout::kScreenWidth, layout::kScreenHeight);
    artgen::Context context = artgen::makeContext(surface);
    cairo_t* cr = context.get();
    listPanel(cr);
    topBar(cr);
    bottomBar(cr);
    well(cr, {layout::kStatus.left, layout::kStatus.top + 2, layout::kStatus.right, layout::kStatus.bottom - 2});
    well(cr, layout::kTripInfo);
    return surface;
}

}  // namespace demoart
