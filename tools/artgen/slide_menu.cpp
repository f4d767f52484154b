// The sliding menu's skin: the dark panel (cut with 10-pixel top corners; its sides run down to
// the bottom edge, so it has no bottom corners or bottom rim) and the gold highlight (cut with
// 6-pixel corners, stretched in both directions around a hot item).
#include "colours.h"
#include "pictures.h"
#include "shapes.h"

namespace artgen {

namespace {

constexpr int PanelWidth = 180;
constexpr int PanelHeight = 270;
constexpr double PanelRadius = 8;
constexpr int HighlightWidth = 139;
constexpr int HighlightHeight = 32;
constexpr double HighlightRadius = 6;

// Left side, rounded top, right side, open at the bottom.
void panelRimPath(cairo_t* cr, double inset)
{
    const double r = PanelRadius - inset;
    cairo_new_path(cr);
    cairo_move_to(cr, inset, PanelHeight);
    cairo_arc(cr, inset + r, inset + r, r, Pi, 1.5 * Pi);
    cairo_arc(cr, PanelWidth - inset - r, inset + r, r, 1.5 * Pi, 2 * Pi);
    cairo_line_to(cr, PanelWidth - inset, PanelHeight);
}

}  // namespace

Surface drawMenuPanel()
{
    Surface surface = makeSurface(PanelWidth, PanelHeight);
    Context context = makeContext(surface);
    cairo_t* cr = context.get();
    const Rect panel{0, 0, PanelWidth, PanelHeight};
    const Corners corners{PanelRadius, PanelRadius, 0, 0};

    roundedRect(cr, panel, corners);
    setVerticalGradient(cr, 0, PanelHeight,
                        {{0, 0x3c4655}, {10.0 / PanelHeight, colour::Slate}, {1, 0x29303a}});
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    setVerticalGradient(cr, 0, 10, {{0, colour::White, 0.10}, {1, colour::White, 0}});
    cairo_rectangle(cr, 0, 0, PanelWidth, 10);
    cairo_fill(cr);
    cairo_restore(cr);

    cairo_set_line_width(cr, 1.0);
    panelRimPath(cr, 0.5);
    setColour(cr, colour::Ink);
    cairo_stroke(cr);
    panelRimPath(cr, 1.5);
    setColour(cr, colour::White, 0.11);
    cairo_stroke(cr);
    return surface;
}

Surface drawMenuHighlight()
{
    Surface surface = makeSurface(HighlightWidth, HighlightHeight);
    Context context = makeContext(surface);
    cairo_t* cr = context.get();
    const Rect bar{0, 0, HighlightWidth, HighlightHeight};
    const Corners corners = Corners::all(HighlightRadius);

    roundedRect(cr, bar, corners);
    setVerticalGradient(cr, 0, HighlightHeight,
                        {{0, colour::GoldLight}, {0.5, colour::Gold}, {1, colour::GoldDeep}});
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    setVerticalGradient(cr, 1, HighlightHeight / 2.0, {{0, colour::White, 0.30}, {1, colour::White, 0}});
    cairo_rectangle(cr, 0, 1, HighlightWidth, HighlightHeight / 2.0);
    cairo_fill(cr);
    cairo_restore(cr);

    cairo_set_line_width(cr, 1.0);
    roundedRect(cr, bar.grown(-1.5), corners.grown(-1.5));
    setVerticalGradient(cr, 0, HighlightHeight, {{0, colour::GoldPale, 0.8}, {0.6, colour::GoldPale, 0}});
    cairo_stroke(cr);
    roundedRect(cr, bar.grown(-0.5), corners.grown(-0.5));
    setColour(cr, colour::GoldRim);
    cairo_stroke(cr);
    return surface;
}

}  // namespace artgen
