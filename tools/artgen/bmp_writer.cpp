#include "bmp_writer.h"

#include <fstream>
#include <stdexcept>

namespace artgen {

namespace {

constexpr uint32_t FileHeaderSize = 14;
constexpr uint32_t InfoHeaderSize = 40;
constexpr uint32_t PixelsPerMetre = 3780;  // 96 dpi
constexpr uint32_t PaletteEntries = 256;

class ByteWriter {
public:
    void u8(uint8_t v) { bytes_.push_back(v); }
    void u16(uint16_t v)
    {
        u8(v & 0xFF);
        u8(v >> 8);
    }
    void u32(uint32_t v)
    {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
    void pad(size_t count) { bytes_.insert(bytes_.end(), count, 0); }
    const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};

uint32_t rowStride(int width, int bitsPerPixel)
{
    return ((static_cast<uint32_t>(width) * bitsPerPixel + 31) / 32) * 4;
}

void writeHeaders(ByteWriter& out, int width, int height, int bitsPerPixel, uint32_t paletteEntries)
{
    const uint32_t pixelBytes = rowStride(width, bitsPerPixel) * height;
    const uint32_t pixelOffset = FileHeaderSize + InfoHeaderSize + paletteEntries * 4;
    out.u8('B');
    out.u8('M');
    out.u32(pixelOffset + pixelBytes);
    out.u16(0);
    out.u16(0);
    out.u32(pixelOffset);

    out.u32(InfoHeaderSize);
    out.u32(static_cast<uint32_t>(width));
    out.u32(static_cast<uint32_t>(height));  // positive: bottom-up
    out.u16(1);
    out.u16(static_cast<uint16_t>(bitsPerPixel));
    out.u32(0);  // BI_RGB
    out.u32(pixelBytes);
    out.u32(PixelsPerMetre);
    out.u32(PixelsPerMetre);
    out.u32(paletteEntries);
    out.u32(0);
}

void save(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

}  // namespace

void writeBmp24(const std::string& path, const RgbImage& image)
{
    ByteWriter out;
    writeHeaders(out, image.width, image.height, 24, 0);
    const size_t padding = rowStride(image.width, 24) - static_cast<size_t>(image.width) * 3;
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const uint32_t rgb = image.at(x, y);
            out.u8(rgb & 0xFF);
            out.u8((rgb >> 8) & 0xFF);
            out.u8((rgb >> 16) & 0xFF);
        }
        out.pad(padding);
    }
    save(path, out.bytes());
}

void writeBmp8(const std::string& path, const IndexedImage& image)
{
    if (image.palette.size() > PaletteEntries)
        throw std::runtime_error("more than 256 colours for " + path);
    ByteWriter out;
    writeHeaders(out, image.width, image.height, 8, PaletteEntries);
    for (uint32_t i = 0; i < PaletteEntries; ++i) {
        const uint32_t rgb = i < image.palette.size() ? image.palette[i] : 0;
        out.u8(rgb & 0xFF);
        out.u8((rgb >> 8) & 0xFF);
        out.u8((rgb >> 16) & 0xFF);
        out.u8(0);
    }
    const size_t padding = rowStride(image.width, 8) - static_cast<size_t>(image.width);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x)
            out.u8(image.indices[static_cast<size_t>(y) * image.width + x]);
        out.pad(padding);
    }
    save(path, out.bytes());
}

}  // namespace artgen
