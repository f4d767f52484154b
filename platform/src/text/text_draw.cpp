// Drawing text lines, and ExtTextOutW.
#include <algorithm>
#include <climits>

#include "text/paint.h"

namespace wincore {

namespace {

// Keeps boxes well inside pixman's 32-bit coordinates however far off the text lies.
constexpr int64_t kCoordinateLimit = int64_t(1) << 30;

int32_t Coordinate(int64_t value)
{
    return int32_t(std::clamp(value, -kCoordinateLimit, kCoordinateLimit));
}

pixman_box32_t Intersect(const pixman_box32_t& a, const pixman_box32_t& b)
{
    return {std::max(a.x1, b.x1), std::max(a.y1, b.y1), std::min(a.x2, b.x2), std::min(a.y2, b.y2)};
}

bool IsEmpty(const pixman_box32_t& box)
{
    return box.x1 >= box.x2 || box.y1 >= box.y2;
}

// Glyphs are drawn only near the visible area; ink reaches at most this far beyond a glyph's cell.
int64_t InkMargin(const FontMetrics& metrics)
{
    return 2 * int64_t(metrics.em) + 2;
}

// The region text may touch: the DC's clip, narrowed to `clip` (logical) when given.
Region TextRegion(const DrawTarget& target, const RECT* clip)
{
    Region region = target.clip;
    if (!clip) return region;
    pixman_box32_t box = ImageBox(target, clip->left, clip->top, clip->right, clip->bottom);
    if (IsEmpty(box)) box = {0, 0, 0, 0};
    pixman_region32_intersect_rect(&region, &region, box.x1, box.y1, box.x2 - box.x1, box.y2 - box.y1);
    return region;
}

bool NearVisible(const DrawTarget& target, const FontMetrics& metrics, const PlacedLine& line,
                 const pixman_box32_t& visible)
{
    int64_t top = line.y + target.dy;
    int64_t margin = InkMargin(metrics);
    return top <= visible.y2 + margin && top + metrics.height >= visible.y1 - margin;
}

// Adds a line's glyphs near the visible area to the run, and its underlines to `underlines`.
void PlaceLine(const DrawTarget& target, const FontMetrics& metrics, const PlacedLine& line,
               const pixman_box32_t& visible, bool underline, GlyphRun& run, std::vector<pixman_box32_t>& underlines)
{
    int64_t margin = InkMargin(metrics);
    int64_t baseline = line.y + target.dy + metrics.ascent;
    int64_t underlineTop = line.y + metrics.ascent + metrics.underlineOffset;
    int64_t underlineBottom = underlineTop + metrics.underlineThickness;
    if (underline) underlines.push_back(ImageBox(target, line.x, underlineTop, line.x + line.width, underlineBottom));
    int64_t pen = line.x;
    for (const Cell* cell = line.begin; cell != line.end; pen += cell->advance, ++cell) {
        if (cell->underline) {
            underlines.push_back(ImageBox(target, pen, underlineTop, pen + cell->advance, underlineBottom));
        }
        int64_t x = pen + target.dx;
        if (x >= visible.x1 - margin && x <= visible.x2 + margin) run.Add(cell->glyph, int(x), int(baseline));
    }
}

// Draws with the image's clip already narrowed to the text region, whose extents are `visible`.
void PaintVisible(DrawTarget& target, const FontMetrics& metrics, const std::vector<PlacedLine>& lines,
                  const pixman_box32_t& visible, bool underline)
{
    DC* dc = target.dc;
    if (dc->bkMode == OPAQUE) {
        for (const PlacedLine& line : lines) {
            pixman_box32_t cell = ImageBox(target, line.x, line.y, line.x + line.width, line.y + metrics.height);
            FillSolid(target, Intersect(cell, visible), dc->bkColor);
        }
    }
    std::vector<pixman_box32_t> underlines;
    GlyphRun run;
    for (const PlacedLine& line : lines) {
        if (NearVisible(target, metrics, line, visible)) PlaceLine(target, metrics, line, visible, underline, run, underlines);
    }
    run.Composite(target.image, visible, dc->textColor);
    for (const pixman_box32_t& box : underlines) FillSolid(target, Intersect(box, visible), dc->textColor);
}

}  // namespace

pixman_box32_t ImageBox(const DrawTarget& target, int64_t left, int64_t top, int64_t right, int64_t bottom)
{
    return {Coordinate(left + target.dx), Coordinate(top + target.dy), Coordinate(right + target.dx),
            Coordinate(bottom + target.dy)};
}

void PaintLines(DrawTarget& target, const FontMetrics& metrics, const std::vector<PlacedLine>& lines,
                const RECT* clip, bool underline)
{
    Region region = TextRegion(target, clip);
    if (!pixman_region32_not_empty(&region)) return;
    pixman_image_set_clip_region32(target.image, &region);
    PaintVisible(target, metrics, lines, *pixman_region32_extents(&region), underline);
    pixman_image_set_clip_region32(target.image, &target.clip);
}

}  // namespace wincore

using namespace wincore;

namespace {

// Caller-given advances, one per UTF-16 unit, replace the font's.
void ApplySpacing(std::vector<Cell>& cells, const INT* dx)
{
    size_t unit = 0;
    for (Cell& cell : cells) {
        int64_t advance = 0;
        for (unsigned i = 0; i < cell.units; i++) advance += dx[unit++];
        cell.advance = int(std::clamp<int64_t>(advance, INT_MIN, INT_MAX));
    }
}

}  // namespace

WINCORE_API BOOL WINAPI ExtTextOutW(HDC dc, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT count,
                                    const INT* dx)
{
    const LOGFONTW* logFont = nullptr;
    ResolvedFont* font = SelectedFont(dc, &logFont);
    if (!font) return FALSE;
    // A count past INT_MAX is a negative length in disguise.
    if (count > UINT(INT_MAX) || (count > 0 && !text)) return FALSE;

    std::vector<Cell> cells;
    AppendCells(*font, text, count, Prefixes::Literal, cells);
    if (dx) ApplySpacing(cells, dx);
    DrawTarget target(dc);
    if (!target.valid()) return TRUE;
    if ((options & ETO_OPAQUE) && rect) {
        FillSolid(target, ImageBox(target, rect->left, rect->top, rect->right, rect->bottom), target.dc->bkColor);
    }
    std::vector<PlacedLine> line{{cells.data(), cells.data() + cells.size(), x, y, WidthOf(cells.data(), cells.data() + cells.size())}};
    PaintLines(target, font->metrics(), line, (options & ETO_CLIPPED) ? rect : nullptr, logFont->lfUnderline != 0);
    return TRUE;
}
