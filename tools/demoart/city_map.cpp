// The demo's city: a rotated street grid of blocks, a river with bridges, a park, main roads,
// and the route from the current position to a destination.
#include "demoart.h"

#include <cmath>
#include <cstdint>

#include "shapes.h"

namespace demoart {

using artgen::Point;
using artgen::setColour;

namespace {

constexpr double Width = 800;
constexpr double Height = 480;
constexpr double GridAngle = -0.17;  // radians
constexpr double StreetStepX = 64;
constexpr double StreetStepY = 50;

constexpr uint32_t Land = 0xeeeae2;
constexpr uint32_t Building = 0xdcd5c8;
constexpr uint32_t BuildingEdge = 0xc8bfae;
constexpr uint32_t StreetCasing = 0xd6cfc2;
constexpr uint32_t Street = 0xffffff;
constexpr uint32_t Water = 0xa9d2f0;
constexpr uint32_t WaterEdge = 0x8fbfe4;
constexpr uint32_t Grass = 0xc8e4b0;
constexpr uint32_t GrassEdge = 0xa7cf8c;
constexpr uint32_t TreeTop = 0x93c579;
constexpr uint32_t Arterial = 0xfdd884;
constexpr uint32_t ArterialCasing = 0xdcaa52;
constexpr uint32_t Express = 0xf7a35c;
constexpr uint32_t ExpressCasing = 0xcf7a35;
constexpr uint32_t RouteBlue = 0x2a7de1;
constexpr uint32_t RouteCasing = 0x1554a8;

// A small deterministic generator, so the map is the same on every run.
struct Random {
    uint32_t state;
    double next()
    {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / double(1u << 24);
    }
};

void inGrid(cairo_t* cr)
{
    cairo_translate(cr, Width / 2, Height / 2);
    cairo_rotate(cr, GridAngle);
    cairo_translate(cr, -Width / 2, -Height / 2);
}

void buildings(cairo_t* cr)
{
    Random random{7};
    cairo_save(cr);
    inGrid(cr);
    for (double x = -240; x < Width + 240; x += StreetStepX)
        for (double y = -240; y < Height + 240; y += StreetStepY) {
            const double inset = 7;
            const double w = StreetStepX - 2 * inset, h = StreetStepY - 2 * inset;
            const int parts = 1 + int(random.next() * 3);
            double cursor = x + inset;
            for (int i = 0; i < parts; ++i) {
                const double pw = (i == parts - 1) ? x + inset + w - cursor : w / parts * (0.7 + random.next() * 0.6);
                const double ph = h * (0.55 + random.next() * 0.45);
                const double py = random.next() < 0.5 ? y + inset : y + inset + h - ph;
                cairo_rectangle(cr, std::round(cursor) + 0.5, std::round(py) + 0.5, std::floor(pw) - 2, std::floor(ph));
                setColour(cr, Building);
                cairo_fill_preserve(cr);
                setColour(cr, BuildingEdge);
                cairo_set_line_width(cr, 1);
                cairo_stroke(cr);
                cursor += pw;
            }
        }
    cairo_restore(cr);
}

void streetGrid(cairo_t* cr)
{
    cairo_save(cr);
    inGrid(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    for (auto [width, rgb] : {std::pair{8.0, StreetCasing}, std::pair{6.0, Street}}) {
        setColour(cr, rgb);
        cairo_set_line_width(cr, width);
        for (double x = -240; x < Width + 240; x += StreetStepX) {
            cairo_move_to(cr, x, -240);
            cairo_line_to(cr, x, Height + 240);
        }
        for (double y = -240; y < Height + 240; y += StreetStepY) {
            cairo_move_to(cr, -240, y);
            cairo_line_to(cr, Width + 240, y);
        }
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void parkShape(cairo_t* cr)
{
    cairo_new_path(cr);
    cairo_move_to(cr, 642, 300);
    cairo_curve_to(cr, 660, 262, 740, 250, 790, 262);
    cairo_line_to(cr, 810, 270);
    cairo_line_to(cr, 810, 430);
    cairo_line_to(cr, 650, 430);
    cairo_curve_to(cr, 625, 390, 628, 330, 642, 300);
    cairo_close_path(cr);
}

void park(cairo_t* cr)
{
    parkShape(cr);
    setColour(cr, Grass);
    cairo_fill_preserve(cr);
    setColour(cr, GrassEdge);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);

    cairo_save(cr);
    parkShape(cr);
    cairo_clip(cr);
    // Pond and paths, then trees scattered where nothing else is.
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, 735, 345);
    cairo_scale(cr, 1.6, 1);
    cairo_arc(cr, 0, 0, 22, 0, 2 * artgen::Pi);
    cairo_restore(cr);
    setColour(cr, Water);
    cairo_fill_preserve(cr);
    setColour(cr, WaterEdge);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    setColour(cr, 0xf4efe2);
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, 645, 320);
    cairo_curve_to(cr, 690, 300, 700, 390, 760, 400);
    cairo_move_to(cr, 700, 262);
    cairo_curve_to(cr, 690, 300, 780, 300, 800, 290);
    cairo_stroke(cr);
    Random random{11};
    for (int i = 0; i < 70; ++i) {
        const double x = 640 + random.next() * 170, y = 258 + random.next() * 170;
        const double dx = (x - 735) / 1.6, dy = y - 345;
        if (dx * dx + dy * dy < 30 * 30) continue;
        cairo_new_path(cr);
        cairo_arc(cr, x, y, 3 + random.next() * 3, 0, 2 * artgen::Pi);
        setColour(cr, TreeTop, 0.85);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void riverPath(cairo_t* cr)
{
    cairo_new_path(cr);
    cairo_move_to(cr, 500, -30);
    cairo_curve_to(cr, 470, 80, 640, 140, 600, 232);
    cairo_curve_to(cr, 566, 310, 420, 340, 395, 510);
}

void river(cairo_t* cr)
{
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    for (auto [width, rgb] : {std::pair{50.0, WaterEdge}, std::pair{46.0, Water}}) {
        riverPath(cr);
        setColour(cr, rgb);
        cairo_set_line_width(cr, width);
        cairo_stroke(cr);
    }
}

void road(cairo_t* cr, std::initializer_list<Point> points, double width, uint32_t fill, uint32_t casing)
{
    setColour(cr, casing);
    artgen::strokeLine(cr, points, width + 3);
    setColour(cr, fill);
    artgen::strokeLine(cr, points, width);
}

void curvedRoad(cairo_t* cr, Point a, Point b, Point c, Point d, double width, uint32_t fill, uint32_t casing)
{
    for (auto [w, rgb] : {std::pair{width + 3, casing}, std::pair{width, fill}}) {
        cairo_new_path(cr);
        cairo_move_to(cr, a.x, a.y);
        cairo_curve_to(cr, b.x, b.y, c.x, c.y, d.x, d.y);
        setColour(cr, rgb);
        cairo_set_line_width(cr, w);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
}

void mainRoads(cairo_t* cr)
{
    curvedRoad(cr, {-20, 150}, {250, 110}, {520, 70}, {820, 40}, 10, Express, ExpressCasing);
    road(cr, {{-20, 330}, {380, 300}, {560, 282}, {820, 236}}, 9, Arterial, ArterialCasing);
    road(cr, {{455, -20}, {470, 120}, {520, 282}, {560, 500}}, 8, Arterial, ArterialCasing);
    road(cr, {{820, 180}, {690, 196}, {642, 300}, {610, 500}}, 8, Arterial, ArterialCasing);
}

// The planned route: current position near the bottom of the map area, destination top right.
const std::initializer_list<Point> RoutePoints{{430, 392}, {482, 384}, {521, 287}, {590, 274},
                                                {690, 196}, {716, 118}};

void routeLine(cairo_t* cr)
{
    setColour(cr, 0xffffff, 0.9);
    artgen::strokeLine(cr, RoutePoints, 13);
    setColour(cr, RouteCasing);
    artgen::strokeLine(cr, RoutePoints, 9);
    setColour(cr, RouteBlue);
    artgen::strokeLine(cr, RoutePoints, 6);
    // Direction chevrons every so often along each leg.
    const Point* p = RoutePoints.begin();
    for (size_t i = 0; i + 1 < RoutePoints.size(); ++i) {
        const Point a = p[i], b = p[i + 1];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        const double angle = std::atan2(b.y - a.y, b.x - a.x);
        for (double t = 18; t < length - 10; t += 34) {
            cairo_save(cr);
            cairo_translate(cr, a.x + (b.x - a.x) * t / length, a.y + (b.y - a.y) * t / length);
            cairo_rotate(cr, angle);
            setColour(cr, 0xffffff, 0.95);
            artgen::strokeLine(cr, {{-2, -2.5}, {1.5, 0}, {-2, 2.5}}, 1.6);
            cairo_restore(cr);
        }
    }
}

void positionPuck(cairo_t* cr, Point at)
{
    cairo_new_path(cr);
    cairo_arc(cr, at.x, at.y, 22, 0, 2 * artgen::Pi);
    setColour(cr, RouteBlue, 0.18);
    cairo_fill(cr);
    cairo_arc(cr, at.x, at.y, 11, 0, 2 * artgen::Pi);
    setColour(cr, 0xffffff);
    cairo_fill(cr);
    cairo_arc(cr, at.x, at.y, 8.5, 0, 2 * artgen::Pi);
    setColour(cr, RouteBlue);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, at.x, at.y);
    cairo_rotate(cr, 0.25);
    artgen::polygon(cr, {{0, -6}, {4.5, 4.5}, {0, 2}, {-4.5, 4.5}});
    setColour(cr, 0xffffff);
    cairo_fill(cr);
    cairo_restore(cr);
}

void destinationPin(cairo_t* cr, Point tip)
{
    cairo_save(cr);
    cairo_translate(cr, tip.x, tip.y);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_scale(cr, 1, 0.4);
    cairo_arc(cr, 0, 0, 7, 0, 2 * artgen::Pi);
    cairo_restore(cr);
    setColour(cr, 0x000000, 0.25);
    cairo_fill(cr);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, -4, -12, -13, -16, -13, -26);
    cairo_arc(cr, 0, -26, 13, artgen::Pi, 2 * artgen::Pi);
    cairo_curve_to(cr, 13, -16, 4, -12, 0, 0);
    setColour(cr, 0xe0362c);
    cairo_fill_preserve(cr);
    setColour(cr, 0x9c1c15);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_arc(cr, 0, -26, 5, 0, 2 * artgen::Pi);
    setColour(cr, 0xffffff);
    cairo_fill(cr);
    cairo_restore(cr);
}

void label(cairo_t* cr, const char* text, Point at, double angle, double size, uint32_t rgb, bool italic)
{
    cairo_save(cr);
    cairo_select_font_face(cr, "WenQuanYi Micro Hei", italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text, &extents);
    cairo_translate(cr, at.x, at.y);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, -extents.x_advance / 2, size / 3);
    cairo_text_path(cr, text);
    setColour(cr, 0xffffff, 0.85);
    cairo_set_line_width(cr, 3);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb);
    cairo_fill(cr);
    cairo_restore(cr);
}

void labels(cairo_t* cr)
{
    label(cr, "Pearl River  珠江", {548, 150}, 0.95, 12, 0x3f7fb8, true);
    label(cr, "Riverside Park", {738, 384}, 0, 12, 0x3f7a2a, false);
    label(cr, "滨江公园", {738, 400}, 0, 12, 0x3f7a2a, false);
    label(cr, "Harbour Road", {700, 237}, -0.17, 11, 0x7a5a1c, false);
    label(cr, "Ring Expressway  环城高速", {560, 62}, -0.11, 11, 0x8a4a14, false);
    label(cr, "OLD TOWN  老城区", {430, 212}, GridAngle, 13, 0x6f6658, false);
    label(cr, "Central Ave", {498, 360}, 1.35, 11, 0x7a5a1c, false);
}

}  // namespace

artgen::Surface drawCityMap()
{
    artgen::Surface surface = artgen::makeSurface(int(Width), int(Height));
    artgen::Context context = artgen::makeContext(surface);
    cairo_t* cr = context.get();
    setColour(cr, Land);
    cairo_paint(cr);
    buildings(cr);
    streetGrid(cr);
    park(cr);
    river(cr);
    mainRoads(cr);
    routeLine(cr);
    labels(cr);
    positionPuck(cr, *RoutePoints.begin());
    destinationPin(cr, *(RoutePoints.end() - 1));
    return surface;
}

}  // namespace demoart
