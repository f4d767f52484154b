// Compositing a decoded picture onto a device context.
#pragma once

#include "imaging/decoded.h"

namespace wincore {

// Draws `source` (HIMETRIC made from whole pixels, NULL for the whole picture) scaled into
// `destination` (the DC's logical pixels), OVER what is there: bilinear when scaling, pixel for
// pixel at 1:1. Parts of the source beyond the picture are left out at the same scale. E_INVALIDARG for an empty or inverted
// rectangle, E_HANDLE for a DC that cannot be drawn on.
HRESULT DrawPicture(const DecodedImage& image, HDC dc, const RECT& destination, const RECT* source);

}  // namespace wincore
