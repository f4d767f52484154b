// What each platform's imaging back end provides to the shared factory and images: wincore's
// decoders over libpng, libjpeg-turbo and its own BMP reader drawing through pixman, or the
// Windows Imaging Component drawing through GDI.
#pragma once

#include <cstddef>

#include "shared/imaging/decoded.h"
#include "shared/imaging/draw.h"
#include "shared/imaging/sources.h"

namespace wincore {

// A complete PNG, BMP or JPEG file held in memory. E_FAIL for data that is no picture the back
// end knows, or a corrupt one; E_OUTOFMEMORY for one too large. Nothing is left allocated on failure.
HRESULT DecodeImage(const BYTE* data, size_t size, DecodedImage& image);

// Composites `from` (the picture's pixels; it may reach beyond the picture, whose part there is
// left out at the same scale) scaled into `destination` (logical pixels of `dc`), OVER what is
// there. Both rectangles are non-empty. E_HANDLE for a DC that cannot be drawn on.
HRESULT CompositePicture(const DecodedImage& image, HDC dc, const RECT& destination, const PixelRect& from);

// The whole file named by a UTF-16 path.
HRESULT ReadFileBytes(const WCHAR* path, EncodedBytes& bytes);

}  // namespace wincore
