// Reading DIB headers and turning DIB rows into x8r8g8b8 pixels.
#include "gdi/dib.h"

#include <cstring>

namespace wincore {

namespace {

constexpr size_t kInfoHeaderSize = sizeof(BITMAPINFOHEADER);
constexpr size_t kMaskHeaderSize = 52;       // headers at least this long hold the colour masks themselves
constexpr size_t kLargestHeaderSize = 124;   // the longest header there is
constexpr uint32_t kMaxColorEntries = 256;

uint32_t ReadDword(const uint8_t* bytes, size_t offset)
{
    uint32_t value;
    std::memcpy(&value, bytes + offset, sizeof value);
    return value;
}

bool IsSupportedDepth(int bitCount)
{
    switch (bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32: return true;
    default: return false;
    }
}

bool ReadGeometry(const BITMAPINFOHEADER& header, DibFormat& format)
{
    int64_t width = header.biWidth, height = header.biHeight;
    format.topDown = height < 0;
    if (format.topDown) height = -height;
    if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide) return false;
    if (width * height > kMaxBitmapPixels) return false;
    if (header.biPlanes != 1 || !IsSupportedDepth(header.biBitCount)) return false;
    bool masked = header.biCompression == BI_BITFIELDS;
    if (header.biCompression != BI_RGB && !masked) return false;
    if (masked && header.biBitCount != 16 && header.biBitCount != 32) return false;
    format.width = int(width);
    format.height = int(height);
    format.bitCount = header.biBitCount;
    format.stride = size_t((width * header.biBitCount + 31) / 32 * 4);
    return true;
}

// A mask must be one run of set bits.
bool MakeChannel(uint32_t mask, DibChannel& channel)
{
    if (mask == 0) return false;
    int shift = __builtin_ctz(mask);
    uint32_t run = mask >> shift;
    if (run & (run + 1)) return false;
    channel = {mask, shift, __builtin_popcount(mask)};
    return true;
}

// Where the masks live: inside a header long enough to hold them, else right after the header.
bool ReadMasks(const uint8_t* bytes, const BITMAPINFOHEADER& header, size_t available, DibFormat& format,
               size_t& offset)
{
    uint32_t masks[3];
    if (header.biCompression == BI_BITFIELDS) {
        size_t at = header.biSize >= kMaskHeaderSize ? kInfoHeaderSize : offset;
        if (available - at < 12) return false;
        for (int i = 0; i < 3; i++) masks[i] = ReadDword(bytes, at + 4 * i);
        if (header.biSize < kMaskHeaderSize) offset += 12;
    } else if (header.biBitCount == 16) {
        masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    } else {
        masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
    }
    for (int i = 0; i < 3; i++)
        if (!MakeChannel(masks[i], format.channels[i])) return false;
    return true;
}

// Paletted DIBs keep their colours; for the others a colour table is only skipped.
bool ReadColorTable(const uint8_t* bytes, const BITMAPINFOHEADER& header, size_t available, DibFormat& format,
                    size_t& offset)
{
    if (header.biClrUsed > kMaxColorEntries) return false;
    bool paletted = header.biBitCount <= 8;
    size_t entries = header.biClrUsed ? header.biClrUsed : paletted ? size_t(1) << header.biBitCount : 0;
    if ((available - offset) / 4 < entries) return false;
    if (paletted) {
        format.palette.assign(size_t(1) << header.biBitCount, 0xFF000000u);
        for (size_t i = 0; i < entries && i < format.palette.size(); i++)
            format.palette[i] = 0xFF000000u | (ReadDword(bytes, offset + 4 * i) & 0xFFFFFF);
    }
    offset += entries * 4;
    return true;
}

uint8_t ChannelValue(const DibChannel& channel, uint32_t pixel)
{
    uint32_t value = (pixel & channel.mask) >> channel.shift;
    if (channel.bits >= 8) return uint8_t(value >> (channel.bits - 8));
    uint32_t top = (1u << channel.bits) - 1;
    return uint8_t((value * 255 + top / 2) / top);
}

uint32_t UnpackPixel(const DibFormat& format, uint32_t pixel)
{
    return 0xFF000000u | uint32_t(ChannelValue(format.channels[0], pixel)) << 16 |
           uint32_t(ChannelValue(format.channels[1], pixel)) << 8 | ChannelValue(format.channels[2], pixel);
}

unsigned PaletteIndex(const uint8_t* row, int column, int bitCount)
{
    size_t bit = size_t(column) * bitCount;
    int shift = 8 - bitCount - int(bit % 8);
    return (row[bit / 8] >> shift) & ((1u << bitCount) - 1);
}

void ConvertRow(const DibFormat& format, const uint8_t* row, int left, int count, uint32_t* out)
{
    for (int i = 0; i < count; i++) {
        int column = left + i;
        switch (format.bitCount) {
        case 16: out[i] = UnpackPixel(format, uint32_t(row[2 * column]) | uint32_t(row[2 * column + 1]) << 8); break;
        case 24: {
            const uint8_t* p = row + 3 * size_t(column);
            out[i] = 0xFF000000u | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
            break;
        }
        case 32: out[i] = UnpackPixel(format, ReadDword(row, 4 * size_t(column))); break;
        default: out[i] = format.palette[PaletteIndex(row, column, format.bitCount)]; break;
        }
    }
}

}  // namespace

bool ReadDibFormat(const BITMAPINFO* info, size_t available, DibFormat& format)
{
    if (!info || available < kInfoHeaderSize) return false;
    const auto* bytes = reinterpret_cast<const uint8_t*>(info);
    BITMAPINFOHEADER header;
    std::memcpy(&header, bytes, sizeof header);
    if (header.biSize < kInfoHeaderSize || header.biSize > kLargestHeaderSize || header.biSize > available)
        return false;
    if (!ReadGeometry(header, format)) return false;
    size_t offset = header.biSize;
    if (header.biBitCount >= 16 && !ReadMasks(bytes, header, available, format, offset)) return false;
    if (!ReadColorTable(bytes, header, available, format, offset)) return false;
    format.headerBytes = offset;
    return true;
}

void ConvertDib(const DibFormat& format, const uint8_t* bits, const RECT& area, pixman_image_t* out)
{
    auto* data = reinterpret_cast<uint8_t*>(pixman_image_get_data(out));
    int stride = pixman_image_get_stride(out);
    for (int y = area.top; y < area.bottom; y++) {
        size_t row = size_t(format.topDown ? y : format.height - 1 - y);
        auto* target = reinterpret_cast<uint32_t*>(data + ptrdiff_t(y - area.top) * stride);
        ConvertRow(format, bits + row * format.stride, area.left, area.right - area.left, target);
    }
}

}  // namespace wincore
