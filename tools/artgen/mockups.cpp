#include "mockups.h"

#include "colours.h"
#include "cuts.h"
#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace artgen {

namespace {

constexpr double ScreenWidth = 800;
constexpr double ScreenHeight = 480;
constexpr uint32_t SeparatorColour = 0xc7925d;  // the list's row separator pen
constexpr uint32_t Selection = 0x0000ff;        // the list's default selection colour

const Surface& pictureOf(const std::vector<Stored>& stored, int resourceId)
{
    auto found = std::find_if(stored.begin(), stored.end(),
                              [resourceId](const Stored& s) { return s.entry->resourceId == resourceId; });
    if (found == stored.end())
        throw std::runtime_error("no picture " + std::to_string(resourceId));
    return found->picture;
}

void text(cairo_t* cr, Rect band, const std::string& s, uint32_t rgb, bool centred = false)
{
    cairo_save(cr);
    cairo_rectangle(cr, band.x, band.y, band.w, band.h);
    cairo_clip(cr);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 17);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, s.c_str(), &extents);
    const double x = centred ? band.x + (band.w - extents.x_advance) / 2 : band.x;
    setColour(cr, rgb);
    cairo_move_to(cr, std::round(x), std::round(band.y + band.h / 2 + 6));
    cairo_show_text(cr, s.c_str());
    cairo_restore(cr);
}

void mapBackground(cairo_t* cr, Rect r)
{
    cairo_save(cr);
    cairo_rectangle(cr, r.x, r.y, r.w, r.h);
    cairo_clip(cr);
    setColour(cr, 0xefe9dc);
    cairo_paint(cr);
    setColour(cr, 0xc8e3b4);
    cairo_rectangle(cr, r.x + 420, r.y + 40, 220, 120);
    cairo_fill(cr);
    setColour(cr, 0xaad3f0);
    polygon(cr, {{r.x, r.y + 300}, {r.x + 260, r.y + 340}, {r.x + 520, r.y + 480}, {r.x, r.y + 480}});
    cairo_fill(cr);
    for (auto [width, rgb] : {std::pair{12.0, 0xc9c2b2u}, std::pair{9.0, 0xffffffu}}) {
        setColour(cr, rgb);
        cairo_set_line_width(cr, width);
        cairo_move_to(cr, r.x, r.y + 200);
        cairo_line_to(cr, r.x + r.w, r.y + 150);
        cairo_move_to(cr, r.x + 360, r.y);
        cairo_line_to(cr, r.x + 300, r.y + r.h);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void comboField(cairo_t* cr, const Surface& frame, Rect r, const std::string& s, uint32_t textColour)
{
    constexpr double Button = 60;
    drawPiece(cr, frame, {0, 0, 192, 42}, {r.x, r.y, r.w - Button, r.h});
    drawPiece(cr, frame, {192, 0, Button, 42}, {r.right() - Button, r.y, Button, r.h});
    text(cr, {r.x + 5, r.y, r.w - Button - 5, r.h}, s, textColour);
}

void pressedCombo(cairo_t* cr, const std::vector<Stored>& p, Rect r, bool button)
{
    comboField(cr, pictureOf(p, 124), r, "Pressed field", 0x000000);
    if (button)
        drawPiece(cr, pictureOf(p, 122), {192, 0, 60, 42}, {r.right() - 60, r.y, 60, r.h});
    else
        drawPiece(cr, pictureOf(p, 122), {0, 0, 192, 42}, {r.x, r.y, r.w - 60, r.h});
}

void dropDownList(cairo_t* cr, const Surface& frame, Rect r)
{
    drawNineGrid(cr, frame, r, 22);
    const Rect rows{r.x + 22, r.y, r.w - 44, r.h - 23};
    cairo_save(cr);
    cairo_rectangle(cr, rows.x, rows.y, rows.w, rows.h);
    cairo_clip(cr);
    const char* names[] = {"Beijing", "Shanghai", "Guangzhou"};
    for (int i = 0; i < 3; ++i) {
        const double bottom = rows.y + 42 * (i + 1);
        setColour(cr, SeparatorColour);
        cairo_rectangle(cr, rows.x, bottom, rows.w, 1);
        cairo_fill(cr);
        text(cr, {rows.x + 2, bottom - 42, rows.w, 42}, names[i], 0x000000);
    }
    cairo_restore(cr);
}

void vectorBox(cairo_t* cr, const std::vector<Stored>& p, Rect r, int pressedCap)
{
    const Surface& frame = pictureOf(p, 121);
    const Surface& down = pictureOf(p, 120);
    const Rect left{r.x, r.y, 58, r.h};
    const Rect right{r.right() - 58, r.y, 58, r.h};
    drawPiece(cr, frame, {0, 0, 58, 42}, left);
    drawPiece(cr, frame, {194, 0, 58, 42}, right);
    drawPiece(cr, frame, {58, 0, 136, 42}, {r.x + 58, r.y, r.w - 116, r.h});
    if (pressedCap == 0)
        drawPiece(cr, down, {0, 0, 58, 42}, left);
    if (pressedCap == 1)
        drawPiece(cr, down, {194, 0, 58, 42}, right);
    text(cr, {r.x + 58, r.y, r.w - 116, r.h}, "2.5 km ahead", 0x000000, true);
}

void popupMenu(cairo_t* cr, const Surface& frame, Rect r)
{
    drawNineGrid(cr, frame, r, 22);
    const char* items[] = {"Navigate here", "Save place", "Avoid road"};
    for (int i = 0; i < 3; ++i) {
        const Rect item{r.x + 22, r.y + 22 + 32.0 * i, r.w - 44, 32};
        text(cr, item, items[i], 0x1a2a40);
        if (i != 1)
            continue;
        cairo_save(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_DIFFERENCE);
        setColour(cr, colour::White);
        const Rect hot = item.grown(2);
        cairo_rectangle(cr, hot.x, hot.y, hot.w, hot.h);
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

void slidePanel(cairo_t* cr, const std::vector<Stored>& p, Rect r)
{
    drawPanelGrid(cr, pictureOf(p, 107), r, 10);
    const char* items[] = {"Home", "Work", "Recent", "Settings"};
    for (int i = 0; i < 4; ++i) {
        const Rect item{r.x + 10, r.y + 10 + 40.0 * i, r.w - 20, 32};
        const bool hot = i == 1;
        if (hot)
            drawNineGrid(cr, pictureOf(p, 104), item.grown(2), 6);
        text(cr, {item.x + 6, item.y, item.w - 6, item.h}, items[i], hot ? 0x000000 : colour::White);
    }
}

void pageBar(cairo_t* cr, const Surface& strip, Rect r, const int states[3])
{
    const double w = widthOf(strip);
    drawPiece(cr, strip, {106.0 * states[0], 0, 106, 44}, {r.x, r.y, 106, 44});
    drawPiece(cr, strip, {w - 318 + 106.0 * states[1], 0, 106, 44}, {r.right() - 106, r.y, 106, 44});
    drawPiece(cr, strip, {318 + 108.0 * states[2], 0, 108, 44}, {r.x + 106, r.y, r.w - 212, r.h});
}

// The selection gradient the list builds: white at the row's edges, the colour in the middle.
void selectionGradient(cairo_t* cr, Rect row)
{
    const double top = row.y + 2;
    const double h = row.h - 3;
    setVerticalGradient(cr, top, top + h, {{0, colour::White}, {0.5, Selection}, {1, colour::White}});
    cairo_rectangle(cr, row.x, top, row.w, h);
    cairo_fill(cr);
}

void listRows(cairo_t* cr, const std::vector<Stored>& p, Rect r, uint32_t background, uint32_t ink)
{
    setColour(cr, background);
    cairo_rectangle(cr, r.x, r.y, r.w, r.h);
    cairo_fill(cr);
    const Surface& arrows = pictureOf(p, 128);
    for (int i = 0; i < 3; ++i) {
        const Rect row{r.x, r.y + 60.0 * i, r.w, 60};
        const bool selected = i == 1;
        if (selected)
            selectionGradient(cr, row);
        const Surface& box = pictureOf(p, i == 2 ? 105 : 106);
        cairo_set_source_surface(cr, box.get(), row.x + 1, row.y + 15);
        cairo_paint(cr);
        text(cr, {row.x + 36, row.y, row.w - 36, row.h}, selected ? "Selected row" : "Row text", ink);
        drawPiece(cr, arrows, {selected ? 28.0 : 0.0, 0, 28, 27}, {row.right() - 28, row.y + 16, 28, 27});
        setColour(cr, SeparatorColour);
        cairo_rectangle(cr, row.x, row.bottom() - 1, row.w, 1);
        cairo_fill(cr);
    }
}

}  // namespace

void drawMockups(cairo_t* cr, const std::vector<Stored>& p, double x, double y)
{
    mapBackground(cr, {x, y, ScreenWidth, ScreenHeight});
    comboField(cr, pictureOf(p, 124), {x + 20, y + 20, 300, 42}, "Shanghai", 0x000000);
    dropDownList(cr, pictureOf(p, 127), {x + 20, y + 60, 300, 150});
    comboField(cr, pictureOf(p, 123), {x + 20, y + 230, 300, 42}, "Disabled", 0xc0c0c0);
    pressedCombo(cr, p, {x + 20, y + 282, 300, 42}, false);
    pressedCombo(cr, p, {x + 20, y + 334, 300, 42}, true);
    vectorBox(cr, p, {x + 340, y + 20, 300, 42}, -1);
    vectorBox(cr, p, {x + 340, y + 72, 300, 42}, 0);
    vectorBox(cr, p, {x + 340, y + 124, 220, 50}, 1);
    popupMenu(cr, pictureOf(p, 126), {x + 340, y + 200, 200, 140});
    slidePanel(cr, p, {x + 580, y + 200, 200, 280});
    const int mixed[3] = {0, 2, 1};
    pageBar(cr, pictureOf(p, 129), {x + 20, y + 436, 480, 44}, mixed);

    double below = y + ScreenHeight + 12;
    const int normal[3] = {0, 0, 0};
    const int pressed[3] = {1, 1, 1};
    pageBar(cr, pictureOf(p, 129), {x, below, 800, 44}, normal);
    pageBar(cr, pictureOf(p, 129), {x, below + 52, 480, 44}, pressed);
    const int disabled[3] = {2, 2, 2};
    pageBar(cr, pictureOf(p, 129), {x + 490, below + 52, 320, 44}, disabled);
    below += 108;
    listRows(cr, p, {x, below, 400, 180}, colour::White, 0x000000);
    listRows(cr, p, {x + 420, below, 400, 180}, 0x202428, colour::White);
}

}  // namespace artgen
