// BMP files: 1, 4 and 8 bits with a palette, 16 and 32 bits with bit fields (16-bit BI_RGB is
// 5-5-5), 24 and 32 bits BI_RGB; bottom-up and top-down. Compressed files are refused.
#include <algorithm>
#include <climits>
#include <new>

#include "imaging/decoded.h"

namespace wincore {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr size_t kMasksOffset = kFileHeaderSize + kInfoHeaderSize;  // bit fields follow the 40-byte header,
constexpr size_t kAlphaMaskOffset = kMasksOffset + 12;              // or sit at the same place inside a longer one
constexpr size_t kHeaderWithAlphaMask = 56;

struct Channel {
    uint32_t mask = 0;
    unsigned shift = 0;
    uint64_t maximum = 0;
};

struct BmpLayout {
    int64_t width = 0;
    int64_t height = 0;
    bool topDown = false;
    unsigned bits = 0;
    bool bitFields = false;
    Channel red, green, blue, alpha;
    size_t paletteOffset = 0;
    size_t paletteSize = 0;
    uint64_t pixelOffset = 0;
    uint64_t stride = 0;
    int32_t xPelsPerMeter = 0;
    int32_t yPelsPerMeter = 0;
};

uint16_t U16(const BYTE* p)
{
    return uint16_t(p[0] | p[1] << 8);
}

uint32_t U32(const BYTE* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

int32_t S32(const BYTE* p)
{
    return int32_t(U32(p));
}

Channel MakeChannel(uint32_t mask)
{
    Channel channel;
    channel.mask = mask;
    if (mask == 0) return channel;
    channel.shift = unsigned(__builtin_ctz(mask));
    channel.maximum = (uint64_t(1) << __builtin_popcount(mask >> channel.shift)) - 1;
    return channel;
}

// A field's value scaled to 0..255. A channel whose mask is empty reads 0, and one whose mask has
// gaps (which no encoder writes) cannot pass 255.
unsigned ChannelValue(const Channel& channel, uint32_t value)
{
    if (channel.maximum == 0) return 0;
    uint64_t field = (value & channel.mask) >> channel.shift;
    return unsigned(std::min<uint64_t>((field * 255 + channel.maximum / 2) / channel.maximum, 255));
}

bool ReadMasks(const BYTE* data, size_t size, uint32_t headerSize, BmpLayout& layout)
{
    if (!layout.bitFields) {
        if (layout.bits == 16) {
            layout.red = MakeChannel(0x7C00);
            layout.green = MakeChannel(0x03E0);
            layout.blue = MakeChannel(0x001F);
        }
        return true;
    }
    if (kAlphaMaskOffset > size) return false;
    layout.red = MakeChannel(U32(data + kMasksOffset));
    layout.green = MakeChannel(U32(data + kMasksOffset + 4));
    layout.blue = MakeChannel(U32(data + kMasksOffset + 8));
    if (headerSize >= kHeaderWithAlphaMask) layout.alpha = MakeChannel(U32(data + kAlphaMaskOffset));
    return true;
}

bool ReadPalette(size_t size, uint32_t headerSize, uint32_t colorsUsed, BmpLayout& layout)
{
    if (layout.bits > 8) return true;
    size_t largest = size_t(1) << layout.bits;
    layout.paletteSize = colorsUsed == 0 || colorsUsed > largest ? largest : colorsUsed;
    layout.paletteOffset = kFileHeaderSize + headerSize;
    if (headerSize == kInfoHeaderSize && layout.bitFields) layout.paletteOffset += 12;
    return layout.paletteOffset + layout.paletteSize * 4 <= size;
}

bool SupportedEncoding(unsigned bits, uint32_t compression)
{
    switch (bits) {
    case 1:
    case 4:
    case 8:
    case 24: return compression == BI_RGB;
    case 16:
    case 32: return compression == BI_RGB || compression == BI_BITFIELDS;
    default: return false;
    }
}

// Reads and checks the headers.
bool ReadLayout(const BYTE* data, size_t size, BmpLayout& layout)
{
    if (size < kFileHeaderSize + kInfoHeaderSize) return false;
    uint32_t headerSize = U32(data + 14);
    if (headerSize < kInfoHeaderSize || headerSize > size - kFileHeaderSize) return false;
    int32_t height = S32(data + 22);
    unsigned planes = U16(data + 26);
    uint32_t compression = U32(data + 30);
    layout.width = S32(data + 18);
    layout.bits = U16(data + 28);
    if (layout.width <= 0 || height == 0 || height == INT32_MIN || planes != 1) return false;
    if (!SupportedEncoding(layout.bits, compression)) return false;
    layout.topDown = height < 0;
    layout.height = layout.topDown ? -int64_t(height) : height;
    layout.bitFields = compression == BI_BITFIELDS;
    layout.pixelOffset = U32(data + 10);
    layout.xPelsPerMeter = S32(data + 38);
    layout.yPelsPerMeter = S32(data + 42);
    return ReadMasks(data, size, headerSize, layout) && ReadPalette(size, headerSize, U32(data + 46), layout);
}

uint32_t PaletteColor(const BYTE* data, const BmpLayout& layout, unsigned index)
{
    if (index >= layout.paletteSize) return PremultipliedPixel(0, 0, 0, 255);
    const BYTE* entry = data + layout.paletteOffset + size_t(index) * 4;
    return PremultipliedPixel(entry[2], entry[1], entry[0], 255);
}

uint32_t FieldsColor(const BmpLayout& layout, uint32_t value)
{
    unsigned alpha = layout.alpha.mask ? ChannelValue(layout.alpha, value) : 255;
    return PremultipliedPixel(ChannelValue(layout.red, value), ChannelValue(layout.green, value),
                              ChannelValue(layout.blue, value), alpha);
}

uint32_t PixelAt(const BYTE* data, const BmpLayout& layout, const BYTE* row, int64_t x)
{
    switch (layout.bits) {
    case 1:
    case 4:
    case 8: {
        unsigned perByte = 8 / layout.bits;
        unsigned shift = 8 - layout.bits * (1 + unsigned(x % perByte));
        unsigned index = (row[x / perByte] >> shift) & ((1u << layout.bits) - 1);
        return PaletteColor(data, layout, index);
    }
    case 16: return FieldsColor(layout, U16(row + x * 2));
    case 24: return PremultipliedPixel(row[x * 3 + 2], row[x * 3 + 1], row[x * 3], 255);
    default:
        if (layout.bitFields) return FieldsColor(layout, U32(row + x * 4));
        return PremultipliedPixel(row[x * 4 + 2], row[x * 4 + 1], row[x * 4], 255);
    }
}

void ReadRows(const BYTE* data, const BmpLayout& layout, DecodedImage& image)
{
    for (int64_t y = 0; y < layout.height; y++) {
        const BYTE* row = data + layout.pixelOffset + uint64_t(y) * layout.stride;
        int64_t line = layout.topDown ? y : layout.height - 1 - y;
        uint32_t* out = &image.pixels[size_t(line) * image.width];
        for (int64_t x = 0; x < layout.width; x++) out[x] = PixelAt(data, layout, row, x);
    }
}

double Dpi(int32_t pelsPerMeter)
{
    return pelsPerMeter > 0 ? pelsPerMeter * kMetresPerInch : kDefaultDpi;
}

}  // namespace

HRESULT DecodeBmp(const BYTE* data, size_t size, DecodedImage& image)
{
    BmpLayout layout;
    if (!ReadLayout(data, size, layout)) return E_FAIL;
    if (!SizeAcceptable(uint64_t(layout.width), uint64_t(layout.height))) return E_OUTOFMEMORY;
    layout.stride = (uint64_t(layout.width) * layout.bits + 31) / 32 * 4;
    if (layout.pixelOffset > size || layout.stride > (size - layout.pixelOffset) / uint64_t(layout.height))
        return E_FAIL;
    HRESULT result = AllocatePixels(image, uint64_t(layout.width), uint64_t(layout.height));
    if (FAILED(result)) return result;
    ReadRows(data, layout, image);
    image.format = ImageFormatBMP;
    image.xdpi = Dpi(layout.xPelsPerMeter);
    image.ydpi = Dpi(layout.yPelsPerMeter);
    bool realDpi = layout.xPelsPerMeter > 0 && layout.yPelsPerMeter > 0;
    image.flags = ImageFlagsColorSpaceRGB | ImageFlagsHasRealPixelSize | (layout.alpha.mask ? ImageFlagsHasAlpha : 0) |
                  (realDpi ? ImageFlagsHasRealDPI : 0);
    return S_OK;
}

}  // namespace wincore
