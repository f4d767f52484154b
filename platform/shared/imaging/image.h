// The IImage that the imaging factory hands out.
#pragma once

#include "shared/imaging/decoded.h"

namespace wincore {

// A new image with one reference, holding `source` (may be NULL) for as long as it lives;
// nullptr when out of memory.
IImage* MakeImage(DecodedImage&& decoded, IStream* source);

}  // namespace wincore
