#include "gdi/canvas.h"

#include <cstdlib>
#include <cstring>

Canvas::Canvas(int width, int height, COLORREF fill)
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

void Canvas::Fill(COLORREF color, RECT rect) const
{
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc_, &rect, brush);
    DeleteObject(brush);
}

void Canvas::Paint(int y, const Colors& colors) const
{
    for (size_t x = 0; x < colors.size(); x++) SetPixel(dc_, int(x), y, colors[x]);
}

Colors Canvas::Row(int y, int from, int to) const
{
    Colors row;
    for (int x = from; x < to; x++) row.push_back(GetPixel(dc_, x, y));
    return row;
}

uint8_t* TestDib::Row(int y)
{
    size_t stored = height < 0 ? size_t(y) : size_t(height - 1 - y);
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
    Row(y)[bit / 8] |= uint8_t(index << shift);
}

TestDib MakeDib(int width, int height, int bitCount, DWORD headerSize, const Colors& palette,
                const std::vector<uint32_t>& masks)
{
    TestDib dib;
    dib.height = height;
    dib.bitCount = bitCount;
    dib.stride = (size_t(width) * bitCount + 31) / 32 * 4;
    size_t maskAt = headerSize >= 52 ? sizeof(BITMAPINFOHEADER) : headerSize;
    size_t tableAt = headerSize >= 52 ? headerSize : headerSize + masks.size() * 4;
    dib.bitsOffset = tableAt + palette.size() * 4;
    dib.bytes.assign(dib.bitsOffset + dib.stride * size_t(std::abs(height)), 0);

    BITMAPINFOHEADER& header = dib.header();
    header.biSize = headerSize;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = WORD(bitCount);
    header.biCompression = masks.empty() ? BI_RGB : BI_BITFIELDS;
    header.biClrUsed = DWORD(palette.size());
    for (size_t i = 0; i < masks.size(); i++) std::memcpy(&dib.bytes[maskAt + 4 * i], &masks[i], 4);
    for (size_t i = 0; i < palette.size(); i++) {
        RGBQUAD entry = {GetBValue(palette[i]), GetGValue(palette[i]), GetRValue(palette[i]), 0};
        std::memcpy(&dib.bytes[tableAt + 4 * i], &entry, 4);
    }
    return dib;
}
