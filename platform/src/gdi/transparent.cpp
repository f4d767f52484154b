// TransparentImage: a nearest-neighbour scaled copy that leaves out the pixels of one colour.
#include "gdi/scale.h"

using namespace wincore;

namespace {

// The source may be a DC or a bitmap; a bitmap is read whether or not a DC holds it.
bool ReadImageSource(HANDLE handle, SourceView& view)
{
    if (Bitmap* bitmap = Lookup<Bitmap>(handle)) {
        view.image = bitmap->Image();
        view.bounds = {0, 0, bitmap->width, bitmap->height};
        return true;
    }
    return ReadSource(static_cast<HDC>(handle), view);
}

}  // namespace

WINCORE_API BOOL WINAPI TransparentImage(HDC dst, int x, int y, int width, int height, HANDLE src, int srcX,
                                         int srcY, int srcWidth, int srcHeight, COLORREF transparent)
{
    SourceView source;
    if (!ReadImageSource(src, source)) return FALSE;
    DrawTarget target(dst);
    if (!target.valid()) return FALSE;
    if (width < 0 || height < 0 || srcWidth < 0 || srcHeight < 0) return FALSE;
    ScaleRect to{int64_t(x) + target.dx, int64_t(y) + target.dy, width, height};
    ScaleRect from{int64_t(srcX) + source.dx, int64_t(srcY) + source.dy, srcWidth, srcHeight};
    return ScalePixels(target.image, target.clip, to, {source.image, source.bounds}, from, ScaleFilter::Nearest,
                       PixelFromColor(transparent));
}
