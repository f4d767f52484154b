// PNG files, always 8-bit RGBA (cairo's own writer drops the alpha channel of opaque pictures).
#pragma once

#include "surface.h"

#include <string>

namespace artgen {

void writePngRgba(const Surface& picture, const std::string& path);

}  // namespace artgen
