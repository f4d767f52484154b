// BMP headers: the file header, then a 12-byte OS/2 1.x header or a 40-byte header (or a longer
// version of it), bit-field masks and the palette.
#include <algorithm>
#include <climits>

#include "imaging/bmp_layout.h"

namespace wincore {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;
constexpr size_t kInfoHeaderSize = 40;
constexpr size_t kMasksOffset = kFileHeaderSize + kInfoHeaderSize;  // bit fields follow the 40-byte header,
constexpr size_t kAlphaMaskOffset = kMasksOffset + 12;              // or sit at the same place inside a longer one
constexpr size_t kHeaderWithAlphaMask = 56;
constexpr size_t kCoreEntryBytes = 3;  // B, G, R
constexpr size_t kInfoEntryBytes = 4;  // B, G, R, reserved

int32_t S32(const BYTE* p)
{
    return int32_t(LittleU32(p));
}

BmpChannel MakeChannel(uint32_t mask)
{
    BmpChannel channel;
    channel.mask = mask;
    if (mask == 0) return channel;
    channel.shift = unsigned(__builtin_ctz(mask));
    channel.maximum = (uint64_t(1) << __builtin_popcount(mask >> channel.shift)) - 1;
    return channel;
}

bool ReadMasks(const BYTE* data, size_t size, uint32_t headerSize, BmpLayout& layout)
{
    if (layout.compression != BI_BITFIELDS) {
        if (layout.bits == 16) {
            layout.red = MakeChannel(0x7C00);
            layout.green = MakeChannel(0x03E0);
            layout.blue = MakeChannel(0x001F);
        }
        return true;
    }
    if (kAlphaMaskOffset > size) return false;
    layout.red = MakeChannel(LittleU32(data + kMasksOffset));
    layout.green = MakeChannel(LittleU32(data + kMasksOffset + 4));
    layout.blue = MakeChannel(LittleU32(data + kMasksOffset + 8));
    if (headerSize >= kHeaderWithAlphaMask) layout.alpha = MakeChannel(LittleU32(data + kAlphaMaskOffset));
    return true;
}

// `count` entries of `entryBytes` each at `offset`, which must lie inside the file.
bool ReadPalette(const BYTE* data, size_t size, size_t offset, size_t count, size_t entryBytes, BmpLayout& layout)
{
    layout.palette.fill(PremultipliedPixel(0, 0, 0, 255));
    if (offset > size || count > (size - offset) / entryBytes) return false;
    for (size_t i = 0; i < count; i++) {
        const BYTE* entry = data + offset + i * entryBytes;
        layout.palette[i] = PremultipliedPixel(entry[2], entry[1], entry[0], 255);
    }
    return true;
}

bool SupportedEncoding(unsigned bits, uint32_t compression)
{
    switch (bits) {
    case 1:
    case 24: return compression == BI_RGB;
    case 4: return compression == BI_RGB || compression == kBmpRle4;
    case 8: return compression == BI_RGB || compression == kBmpRle8;
    case 16:
    case 32: return compression == BI_RGB || compression == BI_BITFIELDS;
    default: return false;
    }
}

// OS/2 1.x: unsigned 16-bit sizes, always bottom-up, never compressed. Its palette has no count;
// it fills the space before the pixels, up to one entry per index.
bool ReadCoreLayout(const BYTE* data, size_t size, BmpLayout& layout)
{
    if (size < kFileHeaderSize + kCoreHeaderSize) return false;
    layout.width = LittleU16(data + 18);
    layout.height = LittleU16(data + 20);
    layout.bits = LittleU16(data + 24);
    if (layout.width == 0 || layout.height == 0 || LittleU16(data + 22) != 1) return false;
    if (layout.bits == 16 || layout.bits == 32 || !SupportedEncoding(layout.bits, BI_RGB)) return false;
    if (layout.bits > 8) return true;
    size_t offset = kFileHeaderSize + kCoreHeaderSize;
    size_t count = size_t(1) << layout.bits;
    if (layout.pixelOffset > offset) count = std::min<uint64_t>(count, (layout.pixelOffset - offset) / kCoreEntryBytes);
    return ReadPalette(data, size, offset, count, kCoreEntryBytes, layout);
}

bool ReadInfoLayout(const BYTE* data, size_t size, uint32_t headerSize, BmpLayout& layout)
{
    if (size < kFileHeaderSize + kInfoHeaderSize) return false;
    int32_t height = S32(data + 22);
    layout.width = S32(data + 18);
    layout.bits = LittleU16(data + 28);
    layout.compression = LittleU32(data + 30);
    if (layout.width <= 0 || height == 0 || height == INT32_MIN || LittleU16(data + 26) != 1) return false;
    if (!SupportedEncoding(layout.bits, layout.compression)) return false;
    layout.topDown = height < 0;
    layout.height = layout.topDown ? -int64_t(height) : height;
    layout.xPelsPerMeter = S32(data + 38);
    layout.yPelsPerMeter = S32(data + 42);
    if (!ReadMasks(data, size, headerSize, layout)) return false;
    if (layout.bits > 8) return true;
    size_t largest = size_t(1) << layout.bits;
    uint32_t colorsUsed = LittleU32(data + 46);
    size_t count = colorsUsed == 0 || colorsUsed > largest ? largest : colorsUsed;
    size_t offset = kFileHeaderSize + headerSize;
    if (headerSize == kInfoHeaderSize && layout.compression == BI_BITFIELDS) offset += 12;
    return ReadPalette(data, size, offset, count, kInfoEntryBytes, layout);
}

}  // namespace

uint16_t LittleU16(const BYTE* p)
{
    return uint16_t(p[0] | p[1] << 8);
}

uint32_t LittleU32(const BYTE* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

bool ReadBmpLayout(const BYTE* data, size_t size, BmpLayout& layout)
{
    if (size < kFileHeaderSize + 4) return false;
    layout.pixelOffset = LittleU32(data + 10);
    uint32_t headerSize = LittleU32(data + 14);
    if (headerSize == kCoreHeaderSize) return ReadCoreLayout(data, size, layout);
    if (headerSize < kInfoHeaderSize || headerSize > size - kFileHeaderSize) return false;
    return ReadInfoLayout(data, size, headerSize, layout);
}

}  // namespace wincore
