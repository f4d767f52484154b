// Bitmaps made from RT_BITMAP resources.
#pragma once

#include <memory>

#include "gdi/gdi.h"

namespace wincore {

// A bitmap from a packed DIB (header, colour table, bits) of `size` bytes; nullptr when it is
// malformed, unsupported or shorter than its header says.
std::unique_ptr<Bitmap> BitmapFromPackedDib(const void* data, size_t size);

// The RT_BITMAP resource `name` of `instance` as a bitmap (not yet registered); nullptr when the
// module, the resource or its contents are missing or malformed.
std::unique_ptr<Bitmap> BitmapFromResource(HINSTANCE instance, LPCWSTR name);

}  // namespace wincore
