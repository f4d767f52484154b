// Reducing an opaque picture to a 256-colour palette for 8-bit bitmaps.
#pragma once

#include "bmp_writer.h"
#include "keyed.h"

namespace artgen {

// The key colour keeps an exact palette entry of its own; the other colours are kept exactly
// when they fit, otherwise reduced by median cut.
IndexedImage toIndexed(const RgbImage& image);

// The colours an indexed picture shows.
RgbImage toRgb(const IndexedImage& image);

}  // namespace artgen
