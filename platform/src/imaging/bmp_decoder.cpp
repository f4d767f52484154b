// BMP files: 1, 4 and 8 bits with a palette, 16 and 32 bits with bit fields (16-bit BI_RGB is
// 5-5-5), 24 and 32 bits BI_RGB; bottom-up and top-down; 8 and 4 bits run-length encoded; the
// OS/2 1.x header.
#include <algorithm>

#include "imaging/bmp_layout.h"

namespace wincore {

namespace {

// A field's value scaled to 0..255. A channel whose mask is empty reads 0, and one whose mask has
// gaps (which no encoder writes) cannot pass 255.
unsigned ChannelValue(const BmpChannel& channel, uint32_t value)
{
    if (channel.maximum == 0) return 0;
    uint64_t field = (value & channel.mask) >> channel.shift;
    return unsigned(std::min<uint64_t>((field * 255 + channel.maximum / 2) / channel.maximum, 255));
}

uint32_t FieldsColor(const BmpLayout& layout, uint32_t value)
{
    unsigned alpha = layout.alpha.mask ? ChannelValue(layout.alpha, value) : 255;
    return PremultipliedPixel(ChannelValue(layout.red, value), ChannelValue(layout.green, value),
                              ChannelValue(layout.blue, value), alpha);
}

uint32_t PixelAt(const BmpLayout& layout, const BYTE* row, int64_t x)
{
    switch (layout.bits) {
    case 1:
    case 4:
    case 8: {
        unsigned perByte = 8 / layout.bits;
        unsigned shift = 8 - layout.bits * (1 + unsigned(x % perByte));
        return layout.palette[(row[x / perByte] >> shift) & ((1u << layout.bits) - 1)];
    }
    case 16: return FieldsColor(layout, LittleU16(row + x * 2));
    case 24: return PremultipliedPixel(row[x * 3 + 2], row[x * 3 + 1], row[x * 3], 255);
    default:
        if (layout.compression == BI_BITFIELDS) return FieldsColor(layout, LittleU32(row + x * 4));
        return PremultipliedPixel(row[x * 4 + 2], row[x * 4 + 1], row[x * 4], 255);
    }
}

bool Compressed(const BmpLayout& layout)
{
    return layout.compression == kBmpRle8 || layout.compression == kBmpRle4;
}

uint64_t Stride(const BmpLayout& layout)
{
    return (uint64_t(layout.width) * layout.bits + 31) / 32 * 4;
}

// Whether every uncompressed row is in the file, checked before anything is allocated for them.
bool RowsPresent(size_t size, const BmpLayout& layout)
{
    if (Compressed(layout)) return true;
    return layout.pixelOffset <= size && Stride(layout) <= (size - layout.pixelOffset) / uint64_t(layout.height);
}

// Uncompressed rows, each padded to four bytes.
bool ReadRows(const BYTE* data, const BmpLayout& layout, DecodedImage& image)
{
    uint64_t stride = Stride(layout);
    for (int64_t y = 0; y < layout.height; y++) {
        const BYTE* row = data + layout.pixelOffset + uint64_t(y) * stride;
        int64_t line = layout.topDown ? y : layout.height - 1 - y;
        uint32_t* out = &image.pixels[size_t(line) * image.width];
        for (int64_t x = 0; x < layout.width; x++) out[x] = PixelAt(layout, row, x);
    }
    return true;
}

double Dpi(int32_t pelsPerMeter)
{
    return pelsPerMeter > 0 ? pelsPerMeter * kMetresPerInch : kDefaultDpi;
}

HRESULT Decode(const BYTE* data, size_t size, DecodedImage& image)
{
    BmpLayout layout;
    if (!ReadBmpLayout(data, size, layout)) return E_FAIL;
    if (!SizeAcceptable(uint64_t(layout.width), uint64_t(layout.height))) return E_OUTOFMEMORY;
    if (!RowsPresent(size, layout)) return E_FAIL;
    HRESULT result = AllocatePixels(image, uint64_t(layout.width), uint64_t(layout.height));
    if (FAILED(result)) return result;
    bool skipped = false;
    bool read = Compressed(layout) ? DecodeBmpRle(data, size, layout, image, skipped)
                                   : ReadRows(data, layout, image);
    if (!read) return E_FAIL;
    image.format = ImageFormatBMP;
    image.xdpi = Dpi(layout.xPelsPerMeter);
    image.ydpi = Dpi(layout.yPelsPerMeter);
    bool realDpi = layout.xPelsPerMeter > 0 && layout.yPelsPerMeter > 0;
    bool alpha = layout.alpha.mask || skipped;
    image.flags = ImageFlagsColorSpaceRGB | ImageFlagsHasRealPixelSize | (alpha ? ImageFlagsHasAlpha : 0) |
                  (realDpi ? ImageFlagsHasRealDPI : 0);
    return S_OK;
}

}  // namespace

HRESULT DecodeBmp(const BYTE* data, size_t size, DecodedImage& image)
{
    HRESULT result = Decode(data, size, image);
    if (FAILED(result)) image = DecodedImage();
    return result;
}

}  // namespace wincore
