// The demo's icon strips: round badges for the list's places, glyphs for the two menus.
#include "demoart.h"

#include "glyphs.h"
#include "layout.h"
#include "shapes.h"

#include <vector>

namespace demoart {

namespace {

struct Badge {
    Glyph glyph;
    uint32_t top;
    uint32_t bottom;
};

// In the order of the demo's place kinds.
const std::vector<Badge> Places{
    {Glyph::Home, 0x4c9bf0, 0x2065c7},   {Glyph::Work, 0x6b7c93, 0x414f63},     {Glyph::Train, 0x9b6ce0, 0x6a3cb4},
    {Glyph::Plane, 0x3cc0c8, 0x198a94},  {Glyph::Tree, 0x5cc46e, 0x2f8f44},     {Glyph::Hospital, 0xf0605a, 0xc2302b},
    {Glyph::Fuel, 0xf8a640, 0xd2701a},   {Glyph::Food, 0xf4c542, 0xcf931a},     {Glyph::Museum, 0xb58b66, 0x7f5a3a},
    {Glyph::Parking, 0x3d7be6, 0x1d4fae},
};

const std::vector<Glyph> PopupItems{Glyph::Navigate, Glyph::Star, Glyph::Search, Glyph::Share, Glyph::Block};
const std::vector<Glyph> PanelItems{Glyph::Home, Glyph::Star, Glyph::Search, Glyph::Gear, Glyph::Info};

}  // namespace

artgen::Surface drawPlaceIcons()
{
    const int size = layout::kPlaceIconSize;
    artgen::Surface surface = artgen::makeSurface(size * int(Places.size()), size);
    artgen::Context context = artgen::makeContext(surface);
    cairo_t* cr = context.get();
    for (size_t i = 0; i < Places.size(); ++i) {
        const double cx = size * (i + 0.5), cy = size / 2.0;
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy, size / 2.0 - 1.5, 0, 2 * artgen::Pi);
        artgen::setVerticalGradient(cr, 1, size - 1, {{0, Places[i].top}, {1, Places[i].bottom}});
        cairo_fill_preserve(cr);
        artgen::setColour(cr, 0xffffff, 0.9);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        drawGlyph(cr, Places[i].glyph, {cx, cy}, 20, 0xffffff);
    }
    return surface;
}

// The pop-up inverts a hot item, icon included: the hot icon is drawn in the colour that turns
// into orange.
artgen::Surface drawPopupIcons()
{
    const int size = layout::kMenuIconSize;
    artgen::Surface surface = artgen::makeSurface(size * 2 * int(PopupItems.size()), size);
    artgen::Context context = artgen::makeContext(surface);
    cairo_t* cr = context.get();
    for (size_t i = 0; i < PopupItems.size(); ++i) {
        const bool disabled = PopupItems[i] == Glyph::Block;
        const double cy = size / 2.0;
        drawGlyph(cr, PopupItems[i], {size * (2 * i + 0.5), cy}, 20, disabled ? 0x9aa3ad : 0x1c4b8c);
        drawGlyph(cr, PopupItems[i], {size * (2 * i + 1.5), cy}, 20, 0x0c6bdd);
    }
    return surface;
}

artgen::Surface drawPanelIcons()
{
    const int size = layout::kMenuIconSize;
    artgen::Surface surface = artgen::makeSurface(size * 2 * int(PanelItems.size()), size);
    artgen::Context context = artgen::makeContext(surface);
    cairo_t* cr = context.get();
    for (size_t i = 0; i < PanelItems.size(); ++i) {
        const double cy = size / 2.0;
        drawGlyph(cr, PanelItems[i], {size * (2 * i + 0.5), cy}, 20, 0xdbe6f2);
        drawGlyph(cr, PanelItems[i], {size * (2 * i + 1.5), cy}, 20, 0x3a2600);
    }
    return surface;
}

}  // namespace demoart
