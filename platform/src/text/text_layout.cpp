// UTF-16 text to cells, and cells to lines.
#include "text/layout.h"

#include <algorithm>

#include <wincore/utf.h>

namespace wincore {

namespace {

// A count is trusted but not pre-allocated for beyond this: a wrong one fails on reading, not here.
constexpr size_t kReserveLimit = 4096;

bool IsControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

bool IsLineBreak(char32_t c)
{
    return c == u'\n' || c == u'\r';
}

bool IsSpace(const Cell& cell)
{
    return cell.code == u' ';
}

// The character at text[i], advancing i past it.
char32_t NextCharacter(const WCHAR* text, size_t count, size_t& i)
{
    char32_t c = text[i++];
    if (utf::IsLead(c) && i < count && utf::IsTrail(text[i])) {
        return 0x10000 + ((c - 0xD800) << 10) + (char32_t(text[i++]) - 0xDC00);
    }
    if (utf::IsLead(c) || utf::IsTrail(c)) return utf::kReplacement;
    return c;
}

void AddParagraph(const std::vector<Cell>& cells, size_t begin, size_t end, bool wordBreak, int64_t maxWidth,
                  std::vector<LineSpan>& lines)
{
    if (!wordBreak || begin == end) {
        lines.push_back({begin, end, WidthOf(cells.data() + begin, cells.data() + end)});
        return;
    }
    size_t start = begin;
    while (start < end) {
        // Whole words join the line while they fit; the first word always does.
        int64_t width = 0;
        int64_t inkWidth = 0;
        size_t inkEnd = start;
        size_t next = start;
        while (next < end) {
            size_t wordEnd = next;
            int64_t withWord = width;
            while (wordEnd < end && !IsSpace(cells[wordEnd])) withWord += cells[wordEnd++].advance;
            bool overflows = withWord > maxWidth;
            if (overflows && next > start) break;
            if (wordEnd > next || next == start) {
                inkEnd = wordEnd;
                inkWidth = withWord;
            }
            width = withWord;
            while (wordEnd < end && IsSpace(cells[wordEnd])) width += cells[wordEnd++].advance;
            next = wordEnd;
            if (overflows) break;
        }
        lines.push_back({start, inkEnd, inkWidth});
        start = next;
    }
}

}  // namespace

void AppendCells(ResolvedFont& font, const WCHAR* text, size_t count, Prefixes prefixes, std::vector<Cell>& cells)
{
    cells.reserve(cells.size() + std::min<size_t>(count, kReserveLimit));
    size_t i = 0;
    while (i < count) {
        size_t first = i;
        bool underline = false;
        if (prefixes == Prefixes::Mnemonic && text[i] == u'&') {
            if (++i == count) break;
            underline = text[i] != u'&';
        }
        Cell cell;
        cell.code = NextCharacter(text, count, i);
        cell.units = uint8_t(i - first);
        cell.underline = underline;
        if (!IsControl(cell.code)) {
            cell.glyph = font.GlyphFor(cell.code);
            cell.advance = cell.glyph.advance;
        }
        cells.push_back(cell);
    }
}

int64_t WidthOf(const Cell* begin, const Cell* end)
{
    int64_t width = 0;
    for (const Cell* cell = begin; cell != end; ++cell) width += cell->advance;
    return width;
}

std::vector<LineSpan> BreakLines(const std::vector<Cell>& cells, bool multiLine, bool wordBreak, int64_t maxWidth)
{
    std::vector<LineSpan> lines;
    if (!multiLine) {
        lines.push_back({0, cells.size(), WidthOf(cells.data(), cells.data() + cells.size())});
        return lines;
    }
    size_t start = 0;
    while (start < cells.size()) {
        size_t end = start;
        while (end < cells.size() && !IsLineBreak(cells[end].code)) end++;
        AddParagraph(cells, start, end, wordBreak, maxWidth, lines);
        if (end == cells.size()) break;
        bool crlf = cells[end].code == u'\r' && end + 1 < cells.size() && cells[end + 1].code == u'\n';
        start = end + (crlf ? 2 : 1);
    }
    return lines;
}

}  // namespace wincore
