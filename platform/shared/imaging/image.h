// The IImage that the imaging factory hands out.
#pragma once

#include <memory>

#include "shared/imaging/decoded.h"

namespace wincore {

// A new image with one reference, sharing `decoded` and holding `source` (may be NULL) for as
// long as it lives; nullptr when out of memory.
IImage* MakeImage(std::shared_ptr<const DecodedImage> decoded, IStream* source);

}  // namespace wincore
