#include "cuts.h"

namespace artgen {

void drawPiece(cairo_t* cr, const Surface& picture, Rect source, Rect destination)
{
    if (destination.w < 1 || destination.h < 1 || source.w < 1 || source.h < 1)
        return;
    cairo_save(cr);
    cairo_rectangle(cr, destination.x, destination.y, destination.w, destination.h);
    cairo_clip(cr);
    cairo_translate(cr, destination.x, destination.y);
    cairo_scale(cr, destination.w / source.w, destination.h / source.h);
    cairo_set_source_surface(cr, picture.get(), -source.x, -source.y);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
    cairo_paint(cr);
    cairo_restore(cr);
}

void drawNineGrid(cairo_t* cr, const Surface& picture, Rect d, double c)
{
    const double w = widthOf(picture);
    const double h = heightOf(picture);
    drawPiece(cr, picture, {0, 0, c, c}, {d.x, d.y, c, c});
    drawPiece(cr, picture, {w - c, 0, c, c}, {d.right() - c, d.y, c, c});
    drawPiece(cr, picture, {0, h - c, c, c}, {d.x, d.bottom() - c, c, c});
    drawPiece(cr, picture, {w - c, h - c, c, c}, {d.right() - c, d.bottom() - c, c, c});
    drawPiece(cr, picture, {c, 0, w - 2 * c, c}, {d.x + c, d.y, d.w - 2 * c, c});
    drawPiece(cr, picture, {c, h - c, w - 2 * c, c}, {d.x + c, d.bottom() - c, d.w - 2 * c, c});
    drawPiece(cr, picture, {0, c, c, h - 2 * c}, {d.x, d.y + c, c, d.h - 2 * c});
    drawPiece(cr, picture, {w - c, c, c, h - 2 * c}, {d.right() - c, d.y + c, c, d.h - 2 * c});
    drawPiece(cr, picture, {c, c, w - 2 * c, h - 2 * c}, {d.x + c, d.y + c, d.w - 2 * c, d.h - 2 * c});
}

void drawPanelGrid(cairo_t* cr, const Surface& picture, Rect d, double c)
{
    const double w = widthOf(picture);
    const double h = heightOf(picture);
    drawPiece(cr, picture, {c, c, w - 2 * c, h - 2 * c}, {d.x + c, d.y + c, d.w - 2 * c, d.h - 2 * c});
    drawPiece(cr, picture, {c, 0, w - 2 * c, c}, {d.x + c, d.y, d.w - 2 * c, c});
    drawPiece(cr, picture, {c, h - c, w - 2 * c, c}, {d.x + c, d.bottom() - c, d.w - 2 * c, c});
    drawPiece(cr, picture, {0, c, c, h - 2 * c}, {d.x, d.y + c, c, d.h - c});
    drawPiece(cr, picture, {w - c, c, c, h - 2 * c}, {d.right() - c, d.y + c, c, d.h - c});
    drawPiece(cr, picture, {0, 0, c, c}, {d.x, d.y, c, c});
    drawPiece(cr, picture, {w - c, 0, c, c}, {d.right() - c, d.y, c, c});
}

}  // namespace artgen
