// Drawing a decoded picture from a HIMETRIC source rectangle; the back end composites.
#pragma once

#include "shared/imaging/decoded.h"

namespace wincore {

// A source rectangle in pixels; doubles, because HIMETRIC extremes do not fit a picture's range.
struct PixelRect {
    double left, top, right, bottom;
};

// Draws `source` (HIMETRIC made from whole pixels, NULL for the whole picture) scaled into
// `destination` (the DC's logical pixels), OVER what is there. E_INVALIDARG for an empty or
// inverted rectangle, E_HANDLE for a DC that cannot be drawn on.
HRESULT DrawPicture(const DecodedImage& image, HDC dc, const RECT& destination, const RECT* source);

}  // namespace wincore
