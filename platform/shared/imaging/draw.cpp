#include "shared/imaging/draw.h"

#include "shared/imaging/backend.h"
#include "shared/imaging/himetric.h"

namespace wincore {

namespace {

PixelRect SourcePixels(const DecodedImage& image, const RECT* source, const RECT& destination)
{
    if (!source) return {0, 0, double(image.width), double(image.height)};
    himetric::Span x = himetric::SourceSpan(source->left, source->right, image.xdpi,
                                            double(destination.right) - double(destination.left));
    himetric::Span y = himetric::SourceSpan(source->top, source->bottom, image.ydpi,
                                            double(destination.bottom) - double(destination.top));
    return {x.begin, y.begin, x.end, y.end};
}

}  // namespace

HRESULT DrawPicture(const DecodedImage& image, HDC dc, const RECT& destination, const RECT* source)
{
    if (destination.right <= destination.left || destination.bottom <= destination.top) return E_INVALIDARG;
    PixelRect from = SourcePixels(image, source, destination);
    if (from.right <= from.left || from.bottom <= from.top) return E_INVALIDARG;
    return CompositePicture(image, dc, destination, from);
}

}  // namespace wincore
