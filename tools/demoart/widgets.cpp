// The demo's own control pictures: the sliding panel's skin, the menu button, and the travel-mode
// selector's frame and items.
#include "demoart.h"

#include "glyphs.h"
#include "layout.h"
#include "shapes.h"

namespace demoart {

using artgen::Corners;
using artgen::Rect;
using artgen::setColour;

namespace {

constexpr uint32_t ModeField = 0x1d2631;
constexpr uint32_t ModeCap = 0x2e3a48;
constexpr uint32_t ModeBorder = 0x4d5b6d;

void closeButton(cairo_t* cr, layout::Box box)
{
    const double cx = (box.left + box.right) / 2.0, cy = (box.top + box.bottom) / 2.0;
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, box.width() / 2.0 - 2, 0, 2 * artgen::Pi);
    artgen::setVerticalGradient(cr, box.top, box.bottom, {{0, 0x4a5666}, {1, 0x333d4a}});
    cairo_fill_preserve(cr);
    setColour(cr, 0x6a7889);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    setColour(cr, 0xf2f5f8);
    artgen::strokeLine(cr, {{cx - 6, cy - 6}, {cx + 6, cy + 6}}, 2.6);
    artgen::strokeLine(cr, {{cx - 6, cy + 6}, {cx + 6, cy - 6}}, 2.6);
}

void panelTitle(cairo_t* cr)
{
    cairo_select_font_face(cr, "WenQuanYi Micro Hei", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 17);
    setColour(cr, 0xffffff);
    cairo_move_to(cr, 16, 32);
    cairo_show_text(cr, "Menu  菜单");
}

void chevron(cairo_t* cr, double cx, double cy, bool left)
{
    const double d = left ? 1 : -1;
    setColour(cr, 0x000000, 0.35);
    artgen::strokeLine(cr, {{cx + 4 * d, cy - 8 + 1}, {cx - 4 * d, cy + 1}, {cx + 4 * d, cy + 8 + 1}}, 4);
    setColour(cr, 0xf6a037);
    artgen::strokeLine(cr, {{cx + 4 * d, cy - 8}, {cx - 4 * d, cy}, {cx + 4 * d, cy + 8}}, 3.6);
}

}  // namespace

artgen::Surface drawPanelSkin()
{
    const int w = layout::kPanel.width(), h = layout::kPanel.height();
    artgen::Surface surface = artgen::makeSurface(w, h);
    artgen::Context context = artgen::makeContext(surface);
    cairo_t* cr = context.get();
    const Rect body{0, 0, double(w), double(h)};
    artgen::roundedRect(cr, body, {12, 12, 0, 0});
    artgen::setVerticalGradient(cr, 0, h, {{0, 0x303a47}, {1, 0x1b222b}});
    cairo_fill(cr);
    artgen::roundedRect(cr, {0.5, 0.5, w - 1.0, h - 0.5}, {11.5, 11.5, 0, 0});
    setColour(cr, 0x55637a);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    setColour(cr, 0x465568);
    cairo_rectangle(cr, 12, layout::kPanelTitleHeight - 1, w - 24, 1);
    cairo_fill(cr);
    panelTitle(cr);
    closeButton(cr, layout::kPanelClose);
    return surface;
}

artgen::Surface drawMenuButton()
{
    const int w = layout::kMenuButton.width(), h = layout::kMenuButton.height();
    artgen::Surface surface = artgen::makeSurface(2 * w, h);
    artgen::Context context = artgen::makeContext(surface);
    cairo_t* cr = context.get();
    for (int pressed = 0; pressed < 2; ++pressed) {
        const Rect r{pressed * w + 1.0, 1, w - 2.0, h - 2.0};
        artgen::roundedRect(cr, r, Corners::all(8));
        if (pressed)
            artgen::setVerticalGradient(cr, r.y, r.bottom(), {{0, 0x1a4f9a}, {1, 0x236bc9}});
        else
            artgen::setVerticalGradient(cr, r.y, r.bottom(), {{0, 0x3f8ff0}, {1, 0x1f63c4}});
        cairo_fill_preserve(cr);
        setColour(cr, 0x0f3f80);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        setColour(cr, 0xffffff);
        for (int i = -1; i <= 1; ++i)
            artgen::strokeLine(cr, {{r.x + 14, h / 2.0 + 6 * i}, {r.x + 28, h / 2.0 + 6 * i}}, 2.4);
    }
    return surface;
}

artgen::Surface drawModeFrame()
{
    const int w = layout::kModeBox.width(), h = layout::kModeBox.height(), cap = layout::kModePassWidth;
    artgen::Surface surface = artgen::makeSurface(w, h);
    artgen::Context context = artgen::makeContext(surface);
    cairo_t* cr = context.get();
    setColour(cr, demoart::matte::Bar);
    cairo_paint(cr);
    artgen::roundedRect(cr, {0.5, 0.5, w - 1.0, h - 1.0}, Corners::all(8));
    setColour(cr, ModeCap);
    cairo_fill_preserve(cr);
    setColour(cr, ModeBorder);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_rectangle(cr, cap, 1, w - 2 * cap, h - 2);
    setColour(cr, ModeField);
    cairo_fill(cr);
    chevron(cr, cap / 2.0, h / 2.0, true);
    chevron(cr, w - cap / 2.0, h / 2.0, false);
    return surface;
}

artgen::Surface drawModeItem(int mode)
{
    static const Glyph glyphs[] = {Glyph::Car, Glyph::Bike, Glyph::Walk, Glyph::Bus};
    const int w = layout::kModeBox.width() - 2 * layout::kModePassWidth, h = layout::kModeBox.height();
    artgen::Surface surface = artgen::makeSurface(w, h);
    artgen::Context context = artgen::makeContext(surface);
    cairo_t* cr = context.get();
    cairo_rectangle(cr, 0, 1, w, h - 2);
    setColour(cr, ModeField);
    cairo_fill(cr);
    setColour(cr, ModeBorder);
    cairo_rectangle(cr, 0, 0, w, 1);
    cairo_rectangle(cr, 0, h - 1, w, 1);
    cairo_fill(cr);
    drawGlyph(cr, glyphs[mode], {20, h / 2.0}, 22, 0x8cc4ff);
    return surface;
}

}  // namespace demoart
