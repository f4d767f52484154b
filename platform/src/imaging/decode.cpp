// Choosing a decoder, and what the decoders share.
#include <cstring>
#include <new>

#include "gdi/gdi.h"
#include "imaging/decoders.h"
#include "shared/imaging/backend.h"

namespace wincore {

namespace {

constexpr BYTE kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr BYTE kBmpSignature[] = {'B', 'M'};
constexpr BYTE kJpegSignature[] = {0xFF, 0xD8, 0xFF};

template <size_t N>
bool StartsWith(const BYTE* data, size_t size, const BYTE (&signature)[N])
{
    return size >= N && memcmp(data, signature, N) == 0;
}

}  // namespace

unsigned MultiplyChannel(unsigned channel, unsigned factor)
{
    unsigned t = channel * factor + 128;
    return (t + (t >> 8)) >> 8;
}

bool SizeAcceptable(uint64_t width, uint64_t height)
{
    if (width > uint64_t(kMaxBitmapSide) || height > uint64_t(kMaxBitmapSide)) return false;
    return width * height <= uint64_t(kMaxBitmapPixels);
}

HRESULT AllocatePixels(DecodedImage& image, uint64_t width, uint64_t height)
{
    if (width == 0 || height == 0) return E_FAIL;
    if (!SizeAcceptable(width, height)) return E_OUTOFMEMORY;
    try {
        image.pixels.resize(size_t(width * height));
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    image.width = UINT(width);
    image.height = UINT(height);
    return S_OK;
}

uint32_t PremultipliedPixel(unsigned red, unsigned green, unsigned blue, unsigned alpha)
{
    if (alpha != 255) {
        red = MultiplyChannel(red, alpha);
        green = MultiplyChannel(green, alpha);
        blue = MultiplyChannel(blue, alpha);
    }
    return uint32_t(alpha) << 24 | red << 16 | green << 8 | blue;
}

void PremultiplyRow(uint32_t* row, size_t count)
{
    for (size_t x = 0; x < count; x++) {
        uint32_t pixel = row[x];
        unsigned alpha = pixel >> 24;
        if (alpha == 255) continue;
        row[x] = PremultipliedPixel(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF, alpha);
    }
}

HRESULT DecodeImage(const BYTE* data, size_t size, DecodedImage& image)
{
    if (StartsWith(data, size, kPngSignature)) return DecodePng(data, size, image);
    if (StartsWith(data, size, kJpegSignature)) return DecodeJpeg(data, size, image);
    if (StartsWith(data, size, kBmpSignature)) return DecodeBmp(data, size, image);
    return E_FAIL;
}

}  // namespace wincore
