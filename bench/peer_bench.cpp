// The peer: the ordinary 800 x 480 list's picture (same rows, texts, fonts, icons, arrows,
// gradient highlight, separators and page bar) drawn with cairo into an off-screen surface and
// copied to a window-sized surface, as a Linux developer would do it with the usual 2D library.
// Pictures and fonts are prepared once, outside the measurement, as such a developer would.
#include <benchmark/benchmark.h>
#include <cairo.h>
#include <wincore/utf.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "cases.h"
#include "report.h"
#include "frame/Module.h"
#include "peer_scene.h"
#include "resources/resource.h"
#include "scene.h"

namespace bench {

namespace {

void SetColour(cairo_t* cr, COLORREF colour)
{
    cairo_set_source_rgb(cr, GetRValue(colour) / 255.0, GetGValue(colour) / 255.0, GetBValue(colour) / 255.0);
}

// A bitmap's pixels as a cairo picture whose magenta pixels are transparent.
cairo_surface_t* KeyedSurface(HBITMAP bitmap, int width, int height)
{
    const std::vector<uint32_t> pixels = KeyedPixels(bitmap, width, height);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_surface_flush(surface);
    auto* out = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < height; y++) std::memcpy(out + y * stride, &pixels[size_t(y) * width], width * sizeof(uint32_t));
    cairo_surface_mark_dirty(surface);
    return surface;
}

// The rows' texts in the encoding cairo takes, made once.
struct RowTexts {
    std::string title;
    std::string distance;
    std::string address;
};

class CairoList {
public:
    explicit CairoList(const Fonts& fonts)
    {
        HBITMAP strip = CreatePoiStrip(fonts.title, TEXT("HFSP"));
        icons = KeyedSurface(strip, 4 * kIconSize, kIconSize);
        DeleteObject(strip);
        HBITMAP arrowBitmap = LoadBitmapW(GetModuleInstance(), MAKEINTRESOURCEW(IDB_LIST_ARROW));
        arrows = KeyedSurface(arrowBitmap, 2 * kArrowWidth, kArrowHeight);
        DeleteObject(arrowBitmap);
        pageBar = cairo_image_surface_create_from_png(RKNAV_RESOURCE_DIR "/page_bar.png");
        title = cairo_toy_font_face_create("Tahoma", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
        detail = cairo_toy_font_face_create("Tahoma", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
        address = cairo_toy_font_face_create("WenQuanYi Micro Hei", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
        for (int i = 0; i < kRowKinds; i++)
            texts.push_back({wincore::Utf8FromUtf16(Row(i).title), wincore::Utf8FromUtf16(Row(i).distance),
                             wincore::Utf8FromUtf16(Row(i).address)});
        offscreen = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
        window = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
    }
    ~CairoList()
    {
        for (cairo_surface_t* surface : {icons, arrows, pageBar, offscreen, window}) cairo_surface_destroy(surface);
        for (cairo_font_face_t* face : {title, detail, address}) cairo_font_face_destroy(face);
    }
    bool Ready() const { return cairo_surface_status(pageBar) == CAIRO_STATUS_SUCCESS; }

    void Paint()
    {
        cairo_t* cr = cairo_create(offscreen);
        SetColour(cr, kListBackground);
        cairo_paint(cr);
        cairo_save(cr);
        cairo_rectangle(cr, 0, 0, kWidth, kHeight - kPageBarHeight);
        cairo_clip(cr);
        // Eight whole rows and the top of a ninth, as the list lays them out.
        for (int i = 0; i <= 8; i++) DrawRow(cr, i, i * kItemHeight);
        cairo_restore(cr);
        DrawPageBar(cr);
        cairo_destroy(cr);

        cr = cairo_create(window);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_set_source_surface(cr, offscreen, 0, 0);
        cairo_paint(cr);
        cairo_destroy(cr);
    }

    void Save(const std::string& path) { cairo_surface_write_to_png(window, path.c_str()); }

private:
    void DrawRow(cairo_t* cr, int index, int top)
    {
        const int bottom = top + kItemHeight, half = kItemHeight / 2;
        if (index == kSelectedRow) DrawHighlight(cr, top);
        SetColour(cr, kSeparatorColor);
        cairo_set_line_width(cr, 1);
        for (int y : {top, bottom}) {
            cairo_move_to(cr, 0, y + 0.5);
            cairo_line_to(cr, kWidth, y + 0.5);
        }
        cairo_stroke(cr);

        const int iconTop = top + (kItemHeight - kIconSize) / 2;
        cairo_set_source_surface(cr, icons, 1 - kIconSize * IconOf(index), iconTop);
        cairo_rectangle(cr, 1, iconTop, kIconSize, kIconSize);
        cairo_fill(cr);

        const RowTexts& row = texts[index % kRowKinds];
        const double width = DrawText(cr, title, kTitleSize, row.title, kTextLeft, top, top + half, kTitleColor);
        DrawText(cr, detail, kDetailSize, row.distance, kTextLeft + width + kDistanceGap, top, top + half,
                 kDistanceColor);
        DrawText(cr, address, kDetailSize, row.address, kTextLeft, top + half, bottom, kAddressColor);

        const int arrowTop = top + (kItemHeight - kArrowHeight) / 2, selected = index == kSelectedRow;
        cairo_set_source_surface(cr, arrows, kWidth - kArrowWidth - kArrowWidth * selected, arrowTop);
        cairo_rectangle(cr, kWidth - kArrowWidth, arrowTop, kArrowWidth, kArrowHeight);
        cairo_fill(cr);
    }

    void DrawHighlight(cairo_t* cr, int top)
    {
        const double h = kItemHeight - 3;
        cairo_pattern_t* gradient = cairo_pattern_create_linear(0, top + 2, 0, top + 2 + h);
        cairo_pattern_add_color_stop_rgb(gradient, 0, 1, 1, 1);
        cairo_pattern_add_color_stop_rgb(gradient, 0.5, GetRValue(kSelectionColor) / 255.0,
                                         GetGValue(kSelectionColor) / 255.0, GetBValue(kSelectionColor) / 255.0);
        cairo_pattern_add_color_stop_rgb(gradient, 1, 1, 1, 1);
        cairo_set_source(cr, gradient);
        cairo_rectangle(cr, 0, top + 2, kWidth, h);
        cairo_fill(cr);
        cairo_pattern_destroy(gradient);
    }

    // One line of text centred vertically in [top, bottom); returns its advance.
    static double DrawText(cairo_t* cr, cairo_font_face_t* face, double size, const std::string& utf8, double x,
                           int top, int bottom, COLORREF colour)
    {
        cairo_set_font_face(cr, face);
        cairo_set_font_size(cr, size);
        cairo_font_extents_t font;
        cairo_font_extents(cr, &font);
        cairo_text_extents_t extents;
        cairo_text_extents(cr, utf8.c_str(), &extents);
        SetColour(cr, colour);
        cairo_move_to(cr, x, top + ((bottom - top) - (font.ascent + font.descent)) / 2 + font.ascent);
        cairo_show_text(cr, utf8.c_str());
        return extents.x_advance;
    }


    // Both ends one to one, the middle stretched with a filter that keeps the neighbouring cells out.
    void DrawPageBar(cairo_t* cr)
    {
        const int top = kHeight - kPageBarHeight, stripWidth = cairo_image_surface_get_width(pageBar);
        DrawPiece(cr, 0, top, kPageEnd, 0, kPageEnd);
        DrawPiece(cr, kWidth - kPageEnd, top, kPageEnd, stripWidth - 3 * kPageEnd, kPageEnd);
        DrawPiece(cr, kPageEnd, top, kWidth - 2 * kPageEnd, 3 * kPageEnd, kPageMiddle);
    }

    void DrawPiece(cairo_t* cr, int x, int y, int width, int sourceX, int sourceWidth)
    {
        cairo_surface_t* piece = cairo_surface_create_for_rectangle(pageBar, sourceX, 0, sourceWidth, kPageBarHeight);
        cairo_save(cr);
        cairo_rectangle(cr, x, y, width, kPageBarHeight);
        cairo_clip(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, double(width) / sourceWidth, 1.0);
        cairo_set_source_surface(cr, piece, 0, 0);
        cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_surface_destroy(piece);
    }

    std::vector<RowTexts> texts;
    cairo_surface_t* icons = nullptr;
    cairo_surface_t* arrows = nullptr;
    cairo_surface_t* pageBar = nullptr;
    cairo_surface_t* offscreen = nullptr;
    cairo_surface_t* window = nullptr;
    cairo_font_face_t* title = nullptr;
    cairo_font_face_t* detail = nullptr;
    cairo_font_face_t* address = nullptr;
};

void PeerList(benchmark::State& state)
{
    PaintPeerPicture<CairoList>(state, "cairo_peer.png");
    // Cairo's font caches hold fontconfig patterns; with no cairo object left they can go, so
    // that a leak checker sees none.
    cairo_debug_reset_static_data();
}

}  // namespace

void RegisterPeerCases()
{
    RegisterCase("cairo peer list 800x480", Area{800, 480}, PeerList);
}

}  // namespace bench
