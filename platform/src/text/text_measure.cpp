// Text metrics and measurement: GetTextMetricsW, GetTextExtentPoint32W, GetTextExtentExPointW,
// GetTextFaceW.
#include <algorithm>
#include <climits>

#include "text/layout.h"

using namespace wincore;

namespace {

LONG ClampLong(int64_t value)
{
    return LONG(std::min<int64_t>(value, INT32_MAX));
}

bool ValidText(LPCWSTR text, int count)
{
    return count >= 0 && (count == 0 || text);
}

}  // namespace

WINCORE_API BOOL WINAPI GetTextMetricsW(HDC dc, LPTEXTMETRICW metrics)
{
    const LOGFONTW* logFont = nullptr;
    ResolvedFont* font = SelectedFont(dc, &logFont);
    if (!font || !metrics) return FALSE;
    const FontMetrics& m = font->metrics();
    TEXTMETRICW tm = {};
    tm.tmHeight = m.height;
    tm.tmAscent = m.ascent;
    tm.tmDescent = m.descent;
    tm.tmInternalLeading = m.internalLeading;
    tm.tmExternalLeading = m.externalLeading;
    tm.tmAveCharWidth = m.averageWidth;
    tm.tmMaxCharWidth = m.maxWidth;
    tm.tmWeight = m.weight;
    tm.tmDigitizedAspectX = 96;
    tm.tmDigitizedAspectY = 96;
    tm.tmFirstChar = 0x1E;
    tm.tmLastChar = 0xFFFC;
    tm.tmDefaultChar = 0x1F;
    tm.tmBreakChar = u' ';
    tm.tmItalic = logFont->lfItalic ? 1 : 0;
    tm.tmUnderlined = logFont->lfUnderline ? 1 : 0;
    tm.tmStruckOut = logFont->lfStrikeOut ? 1 : 0;
    // TMPF_FIXED_PITCH set means the font is NOT fixed pitch, as Win32 has it.
    tm.tmPitchAndFamily = TMPF_VECTOR | TMPF_TRUETYPE | (m.fixedPitch ? 0 : TMPF_FIXED_PITCH) | FF_SWISS;
    tm.tmCharSet = logFont->lfCharSet;
    *metrics = tm;
    return TRUE;
}

WINCORE_API BOOL WINAPI GetTextExtentPoint32W(HDC dc, LPCWSTR text, int count, LPSIZE size)
{
    ResolvedFont* font = SelectedFont(dc);
    if (!font || !ValidText(text, count) || !size) return FALSE;
    std::vector<Cell> cells;
    AppendCells(*font, text, size_t(count), Prefixes::Literal, cells);
    size->cx = ClampLong(WidthOf(cells.data(), cells.data() + cells.size()));
    size->cy = font->metrics().height;
    return TRUE;
}

WINCORE_API BOOL WINAPI GetTextExtentExPointW(HDC dc, LPCWSTR text, int count, int maxExtent, LPINT fit, LPINT dx,
                                              LPSIZE size)
{
    ResolvedFont* font = SelectedFont(dc);
    if (!font || !ValidText(text, count) || (fit && maxExtent < 0)) return FALSE;
    std::vector<Cell> cells;
    AppendCells(*font, text, size_t(count), Prefixes::Literal, cells);

    // Without `fit` the limit does not apply and every character "fits".
    int64_t extent = 0;
    int units = 0;
    for (const Cell& cell : cells) {
        if (fit && extent + cell.advance > maxExtent) break;
        extent += cell.advance;
        for (unsigned i = 0; i < cell.units; i++, units++) {
            if (dx) dx[units] = int(ClampLong(extent));
        }
    }
    if (fit) *fit = units;
    if (size) {
        size->cx = ClampLong(WidthOf(cells.data(), cells.data() + cells.size()));
        size->cy = font->metrics().height;
    }
    return TRUE;
}

WINCORE_API int WINAPI GetTextFaceW(HDC dc, int count, LPWSTR faceName)
{
    ResolvedFont* font = SelectedFont(dc);
    if (!font) return 0;
    const std::u16string& name = font->faceName();
    if (!faceName) return int(name.size()) + 1;
    if (count <= 0) return 0;
    size_t copied = std::min(name.size(), size_t(count) - 1);
    std::copy_n(name.begin(), copied, faceName);
    faceName[copied] = 0;
    return int(copied) + 1;
}
