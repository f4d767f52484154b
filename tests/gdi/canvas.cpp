#include "gdi/canvas.h"

#include <cstdlib>
#include <cstring>
#include <utility>

Canvas::Canvas(int width, int height, COLORREF fill) : width_(width), height_(height)
{
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateCompatibleBitmap(dc_, width, height);
    old_ = SelectObject(dc_, bitmap_);
    Fill(fill);
}

Canvas::~Canvas()
{
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void Canvas::Fill(COLORREF color) const
{
    Fill(RECT{0, 0, width_, height_}, color);
}

void Canvas::Fill(const RECT& rect, COLORREF color) const
{
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc_, &rect, brush);
    DeleteObject(brush);
}

std::vector<COLORREF> Canvas::Row(int y, int from, int to) const
{
    std::vector<COLORREF> row;
    for (int x = from; x < to; x++) row.push_back(GetPixel(dc_, x, y));
    return row;
}

uint8_t* TestDib::Row(int y)
{
    int rows = std::abs(height);
    size_t stored = height < 0 ? size_t(y) : size_t(rows - 1 - y);
    return bytes.data() + bitsOffset + stored * stride;
}

void TestDib::SetColor(int x, int y, COLORREF color)
{
    uint8_t* pixel = Row(y) + size_t(x) * (bitCount / 8);
    pixel[0] = GetBValue(color);
    pixel[1] = GetGValue(color);
    pixel[2] = GetRValue(color);
}

void TestDib::SetIndex(int x, int y, unsigned index)
{
    size_t bit = size_t(x) * bitCount;
    int shift = 8 - bitCount - int(bit % 8);
    uint8_t& byte = Row(y)[bit / 8];
    byte = uint8_t((byte & ~(((1u << bitCount) - 1) << shift)) | (index << shift));
}

TestDib MakeDib(int width, int height, int bitCount, const DibOptions& options)
{
    TestDib dib;
    dib.width = width;
    dib.height = height;
    dib.bitCount = bitCount;
    dib.stride = (size_t(width) * bitCount + 31) / 32 * 4;
    bool masksInHeader = options.headerSize >= 52;
    size_t masksAfter = masksInHeader ? 0 : options.masks.size() * 4;
    dib.bitsOffset = options.headerSize + masksAfter + options.palette.size() * 4;
    dib.bytes.assign(dib.bitsOffset + dib.stride * size_t(std::abs(height)), 0);

    BITMAPINFOHEADER& header = dib.header();
    header.biSize = options.headerSize;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = WORD(bitCount);
    header.biCompression = options.compression;
    header.biClrUsed = DWORD(options.palette.size());
    size_t maskAt = masksInHeader ? sizeof(BITMAPINFOHEADER) : options.headerSize;
    for (size_t i = 0; i < options.masks.size(); i++) std::memcpy(&dib.bytes[maskAt + 4 * i], &options.masks[i], 4);
    uint8_t* table = dib.bytes.data() + options.headerSize + masksAfter;
    for (size_t i = 0; i < options.palette.size(); i++) {
        RGBQUAD entry = {GetBValue(options.palette[i]), GetGValue(options.palette[i]), GetRValue(options.palette[i]), 0};
        std::memcpy(table + 4 * i, &entry, 4);
    }
    return dib;
}

DibOptions WithHeader(DWORD headerSize)
{
    DibOptions options;
    options.headerSize = headerSize;
    return options;
}

DibOptions WithPalette(std::vector<COLORREF> palette, DWORD headerSize)
{
    DibOptions options = WithHeader(headerSize);
    options.palette = std::move(palette);
    return options;
}

DibOptions WithMasks(std::vector<uint32_t> masks, DWORD headerSize)
{
    DibOptions options = WithHeader(headerSize);
    options.compression = BI_BITFIELDS;
    options.masks = std::move(masks);
    return options;
}
