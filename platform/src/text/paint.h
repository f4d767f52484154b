// Painting laid-out text into a DC's drawing target.
#pragma once

#include <vector>

#include "gdi/gdi.h"
#include "text/layout.h"

namespace wincore {

// One line of cells whose cell top-left is at (x, y), in the DC's logical coordinates.
struct PlacedLine {
    const Cell* begin = nullptr;
    const Cell* end = nullptr;
    int64_t x = 0;
    int64_t y = 0;
    int64_t width = 0;
};

// Draws the lines in the DC's text colour, filling each line's cell with the background colour
// first when the DC's background mode is OPAQUE. Clipped to the DC's clip and, when given, `clip`
// (logical coordinates). Underlines marked cells, or every line when `underline` is set.
void PaintLines(DrawTarget& target, const FontMetrics& metrics, const std::vector<PlacedLine>& lines,
                const RECT* clip, bool underline);

// A logical rectangle as an image box, clamped to coordinates pixman handles.
pixman_box32_t ImageBox(const DrawTarget& target, int64_t left, int64_t top, int64_t right, int64_t bottom);

// Glyphs gathered for one composite, held in the process-wide glyph cache. Construct after the
// font is resolved: resolving may flush the cache, which is frozen while a run lives.
class GlyphRun {
public:
    GlyphRun();
    ~GlyphRun();
    GlyphRun(const GlyphRun&) = delete;
    GlyphRun& operator=(const GlyphRun&) = delete;

    // Places a glyph's origin at image position (x, y), rendering it on first use.
    void Add(const Glyph& glyph, int x, int y);
    // Composites the glyphs' coverage in `color` onto `image` within `bounds` and its clip.
    void Composite(pixman_image_t* image, const pixman_box32_t& bounds, COLORREF color);

private:
    std::vector<pixman_glyph_t> glyphs_;
};

}  // namespace wincore
