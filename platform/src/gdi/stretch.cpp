// StretchBlt: a block transfer that scales, sampled as the destination DC's stretch mode says.
#include "gdi/scale.h"

using namespace wincore;

WINCORE_API BOOL WINAPI StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                                   int srcWidth, int srcHeight, DWORD rop)
{
    if (rop != SRCCOPY) return PatBlt(dst, x, y, width, height, rop);
    SourceView source;
    if (!ReadSource(src, source)) return FALSE;
    const RECT written = SpanRect(x, y, width, height);
    DrawTarget target(dst, ReadsWholly(source, srcX, srcY, srcWidth, srcHeight) ? &written : nullptr);
    if (!target.valid()) return FALSE;
    ScaleRect to{int64_t(x) + target.dx, int64_t(y) + target.dy, width, height};
    ScaleRect from{int64_t(srcX) + source.dx, int64_t(srcY) + source.dy, srcWidth, srcHeight};
    return ScalePixels(target.image, target.clip, to, {source.image, source.bounds}, from,
                       FilterForMode(target.dc->stretchMode));
}
