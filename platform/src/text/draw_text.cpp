// DrawTextW: text formatted into a rectangle.
#include <algorithm>
#include <climits>
#include <string>

#include "text/paint.h"

using namespace wincore;

namespace {

LONG ClampLong(int64_t value)
{
    return LONG(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

int64_t LineLeft(const RECT& rect, int64_t width, UINT format)
{
    if (format & DT_CENTER) return rect.left + (int64_t(rect.right) - rect.left - width) / 2;
    if (format & DT_RIGHT) return rect.right - width;
    return rect.left;
}

// Where the first line's cell starts: vertical alignment applies to single lines only.
int64_t TextTop(const RECT& rect, int lineHeight, UINT format)
{
    if (!(format & DT_SINGLELINE)) return rect.top;
    if (format & DT_VCENTER) return rect.top + (int64_t(rect.bottom) - rect.top - lineHeight) / 2;
    if (format & DT_BOTTOM) return int64_t(rect.bottom) - lineHeight;
    return rect.top;
}

// DT_CALCRECT: the rectangle grows or shrinks to the text, nothing is drawn.
int CalcRect(const std::vector<LineSpan>& spans, int lineHeight, RECT& rect)
{
    int64_t widest = 0;
    for (const LineSpan& span : spans) widest = std::max(widest, span.width);
    int64_t height = int64_t(spans.size()) * lineHeight;
    rect.right = ClampLong(rect.left + widest);
    rect.bottom = ClampLong(rect.top + height);
    return int(ClampLong(height));
}

std::vector<PlacedLine> PlaceLines(const std::vector<Cell>& cells, const std::vector<LineSpan>& spans,
                                   const RECT& rect, int64_t top, int lineHeight, UINT format)
{
    std::vector<PlacedLine> lines;
    lines.reserve(spans.size());
    for (size_t i = 0; i < spans.size(); i++) {
        const LineSpan& span = spans[i];
        lines.push_back({cells.data() + span.begin, cells.data() + span.end, LineLeft(rect, span.width, format),
                         top + int64_t(i) * lineHeight, span.width});
    }
    return lines;
}

}  // namespace

WINCORE_API int WINAPI DrawTextW(HDC dc, LPCWSTR text, int count, LPRECT rect, UINT format)
{
    const LOGFONTW* logFont = nullptr;
    ResolvedFont* font = SelectedFont(dc, &logFont);
    if (!font || !text || !rect || count < -1) return 0;
    size_t length = count == -1 ? std::char_traits<WCHAR>::length(text) : size_t(count);
    std::vector<Cell> cells;
    AppendCells(*font, text, length, (format & DT_NOPREFIX) ? Prefixes::Literal : Prefixes::Mnemonic, cells);
    bool multiLine = !(format & DT_SINGLELINE);
    std::vector<LineSpan> spans;
    if (length > 0) {
        spans = BreakLines(cells, multiLine, multiLine && (format & DT_WORDBREAK), int64_t(rect->right) - rect->left);
    }
    const FontMetrics& metrics = font->metrics();
    if (format & DT_CALCRECT) return CalcRect(spans, metrics.height, *rect);
    if (spans.empty()) return 0;

    int64_t top = TextTop(*rect, metrics.height, format);
    std::vector<PlacedLine> lines = PlaceLines(cells, spans, *rect, top, metrics.height, format);
    DrawTarget target(dc);
    if (target.valid()) PaintLines(target, metrics, lines, (format & DT_NOCLIP) ? nullptr : rect, logFont->lfUnderline != 0);
    // Win32 reports the bottom of a vertically placed line as an offset from the rectangle's top.
    if (!multiLine && (format & (DT_VCENTER | DT_BOTTOM))) return int(ClampLong(top + metrics.height - rect->top));
    return int(ClampLong(int64_t(spans.size()) * metrics.height));
}
