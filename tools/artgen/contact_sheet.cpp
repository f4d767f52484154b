#include "contact_sheet.h"

#include "colours.h"
#include "mockups.h"
#include "shapes.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace artgen {

namespace {

constexpr double SheetWidth = 1040;
constexpr double SheetHeight = 1480;
constexpr double Margin = 16;
constexpr double LabelHeight = 18;
constexpr double Gap = 14;
constexpr int Enlargement = 2;

void checkerboard(cairo_t* cr, Rect r)
{
    constexpr double Square = 6;
    setColour(cr, 0xd8d8d8);
    cairo_rectangle(cr, r.x, r.y, r.w, r.h);
    cairo_fill(cr);
    setColour(cr, 0xb0b0b0);
    for (double y = 0; y < r.h; y += Square)
        for (double x = (static_cast<int>(y / Square) % 2) * Square; x < r.w; x += 2 * Square)
            cairo_rectangle(cr, r.x + x, r.y + y, std::min(Square, r.w - x), std::min(Square, r.h - y));
    cairo_fill(cr);
}

void label(cairo_t* cr, double x, double y, const std::string& text)
{
    setColour(cr, colour::Ink);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 11);
    cairo_move_to(cr, x, y + 12);
    cairo_show_text(cr, text.c_str());
}

// Each picture on a checkerboard, left to right, wrapping; returns the bottom edge.
double drawTiles(cairo_t* cr, const std::vector<Stored>& stored)
{
    double x = Margin;
    double y = Margin;
    double rowHeight = 0;
    for (const Stored& s : stored) {
        const double w = widthOf(s.picture);
        const double h = heightOf(s.picture);
        if (x + w > SheetWidth - Margin && x > Margin) {
            x = Margin;
            y += rowHeight + Gap;
            rowHeight = 0;
        }
        label(cr, x, y, std::to_string(s.entry->resourceId) + " " + s.entry->fileName + " " +
                            std::to_string(static_cast<int>(w)) + "x" + std::to_string(static_cast<int>(h)));
        checkerboard(cr, {x, y + LabelHeight, w, h});
        cairo_set_source_surface(cr, s.picture.get(), x, y + LabelHeight);
        cairo_paint(cr);
        x += std::max(w, 200.0) + Gap;
        rowHeight = std::max(rowHeight, h + LabelHeight);
    }
    return y + rowHeight;
}

}  // namespace

void writeContactSheet(const std::vector<Stored>& stored, const std::string& path)
{
    Surface sheet = makeSurface(static_cast<int>(SheetWidth), static_cast<int>(SheetHeight));
    Context context = makeContext(sheet);
    cairo_t* cr = context.get();
    setColour(cr, 0xf4f4f2);
    cairo_paint(cr);
    const double tilesBottom = drawTiles(cr, stored);
    drawMockups(cr, stored, Margin, tilesBottom + Gap);

    Surface enlarged = makeSurface(static_cast<int>(SheetWidth) * Enlargement,
                                   static_cast<int>(SheetHeight) * Enlargement);
    Context big = makeContext(enlarged);
    cairo_scale(big.get(), Enlargement, Enlargement);
    cairo_set_source_surface(big.get(), sheet.get(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(big.get()), CAIRO_FILTER_NEAREST);
    cairo_paint(big.get());
    if (cairo_surface_write_to_png(enlarged.get(), path.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + path);
}

}  // namespace artgen
