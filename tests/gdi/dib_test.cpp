// StretchDIBits and SetDIBitsToDevice from the caller's memory, and DIB sections.
#include <cstring>

#include "gdi/canvas.h"

namespace {

using DibTest = HostTest;
using Colors = std::vector<COLORREF>;

constexpr COLORREF kGrey = RGB(9, 9, 9);
const Colors kRows = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)};

// A 2 x 4 DIB whose picture row y (from the top) is kRows[y].
TestDib StripedDib(bool topDown = false)
{
    TestDib dib = MakeDib(2, topDown ? -4 : 4, 24);
    for (int y = 0; y < 4; y++)
        for (int x = 0; x < 2; x++) dib.SetColor(x, y, kRows[y]);
    return dib;
}

COLORREF Column(const Canvas& canvas, int x, int y)
{
    return GetPixel(canvas.dc(), x, y);
}

TEST_F(DibTest, HalftoneStretchOfAGradientColumnGivesUniformRows)
{
    // The list's selection highlight: a bottom-up 24-bit column with a 44-byte header.
    const int h = 10;
    TestDib dib = MakeDib(1, h, 24, WithHeader(44));
    for (int y = 0; y < h; y++) dib.SetColor(0, y, RGB(y * 20, 255 - y * 20, 7));
    Canvas canvas(30, h + 4, kGrey);
    SetStretchBltMode(canvas.dc(), HALFTONE);
    EXPECT_EQ(StretchDIBits(canvas.dc(), 0, 2, 30, h, 0, 0, 1, h, dib.bits(), dib.info(), DIB_RGB_COLORS, SRCCOPY), h);
    for (int y = 0; y < h; y++)
        EXPECT_EQ(canvas.Row(y + 2, 0, 30), Colors(30, RGB(y * 20, 255 - y * 20, 7))) << "row " << y;
    EXPECT_EQ(canvas.Row(1, 0, 30), Colors(30, kGrey));
    EXPECT_EQ(canvas.Row(h + 2, 0, 30), Colors(30, kGrey));
}

TEST_F(DibTest, SourceRectangleCountsFromTheBottomOnlyForBottomUpDibs)
{
    TestDib bottomUp = StripedDib(), topDown = StripedDib(true);
    Canvas canvas(2, 3, kGrey);
    // One row at y = 0: the picture's bottom row, or its top row.
    EXPECT_EQ(StretchDIBits(canvas.dc(), 0, 0, 2, 1, 0, 0, 2, 1, bottomUp.bits(), bottomUp.info(), DIB_RGB_COLORS,
                            SRCCOPY),
              1);
    EXPECT_EQ(Column(canvas, 0, 0), kRows[3]);
    StretchDIBits(canvas.dc(), 0, 0, 2, 1, 0, 0, 2, 1, topDown.bits(), topDown.info(), DIB_RGB_COLORS, SRCCOPY);
    EXPECT_EQ(Column(canvas, 0, 0), kRows[0]);

    // Three rows from y = 0, top row first either way.
    StretchDIBits(canvas.dc(), 0, 0, 2, 3, 0, 0, 2, 3, bottomUp.bits(), bottomUp.info(), DIB_RGB_COLORS, SRCCOPY);
    EXPECT_EQ((Colors{Column(canvas, 1, 0), Column(canvas, 1, 1), Column(canvas, 1, 2)}),
              (Colors{kRows[1], kRows[2], kRows[3]}));
    StretchDIBits(canvas.dc(), 0, 0, 2, 3, 0, 0, 2, 3, topDown.bits(), topDown.info(), DIB_RGB_COLORS, SRCCOPY);
    EXPECT_EQ((Colors{Column(canvas, 1, 0), Column(canvas, 1, 1), Column(canvas, 1, 2)}),
              (Colors{kRows[0], kRows[1], kRows[2]}));

    // Partly outside the DIB: only the covered rows count and are drawn.
    canvas.Fill(kGrey);
    EXPECT_EQ(StretchDIBits(canvas.dc(), 0, 0, 2, 2, 0, 3, 2, 2, bottomUp.bits(), bottomUp.info(), DIB_RGB_COLORS,
                            SRCCOPY),
              1);
    EXPECT_EQ(Column(canvas, 0, 0), kGrey);
    EXPECT_EQ(Column(canvas, 0, 1), kRows[0]);
}

TEST_F(DibTest, LongHeadersAreFollowedByTheirColourTableOrHoldTheMasks)
{
    TestDib paletted = MakeDib(3, 1, 8, WithPalette({RGB(1, 2, 3), RGB(40, 50, 60), RGB(200, 100, 0)}, 124));
    paletted.SetIndex(0, 0, 2);
    paletted.SetIndex(1, 0, 0);
    paletted.SetIndex(2, 0, 1);
    Canvas canvas(3, 2, kGrey);
    EXPECT_EQ(StretchDIBits(canvas.dc(), 0, 0, 3, 1, 0, 0, 3, 1, paletted.bits(), paletted.info(), DIB_RGB_COLORS,
                            SRCCOPY),
              1);
    EXPECT_EQ(canvas.Row(0, 0, 3), (Colors{RGB(200, 100, 0), RGB(1, 2, 3), RGB(40, 50, 60)}));

    // Masks inside a 124-byte header, red and blue swapped.
    TestDib swapped = MakeDib(1, 1, 32, WithMasks({0x0000FF, 0x00FF00, 0xFF0000}, 124));
    std::memcpy(swapped.Row(0), "\x11\x22\x33\x00", 4);
    StretchDIBits(canvas.dc(), 0, 1, 1, 1, 0, 0, 1, 1, swapped.bits(), swapped.info(), DIB_RGB_COLORS, SRCCOPY);
    EXPECT_EQ(Column(canvas, 0, 1), RGB(0x11, 0x22, 0x33));
}

TEST_F(DibTest, OtherDepthsConvert)
{
    Canvas canvas(4, 1, kGrey);
    auto draw = [&](const TestDib& dib) {
        canvas.Fill(kGrey);
        return StretchDIBits(canvas.dc(), 0, 0, dib.width, 1, 0, 0, dib.width, 1, dib.bits(), dib.info(),
                             DIB_RGB_COLORS, SRCCOPY);
    };
    TestDib mono = MakeDib(4, 1, 1, WithPalette({RGB(0, 0, 0), RGB(255, 255, 255)}));
    mono.SetIndex(1, 0, 1);
    mono.SetIndex(3, 0, 1);
    EXPECT_EQ(draw(mono), 1);
    EXPECT_EQ(canvas.Row(0, 0, 4), (Colors{RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255)}));

    TestDib nibbles = MakeDib(3, 1, 4, WithPalette({RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3)}));
    nibbles.SetIndex(0, 0, 2);
    nibbles.SetIndex(1, 0, 1);
    nibbles.SetIndex(2, 0, 9);  // beyond the table: black
    draw(nibbles);
    EXPECT_EQ(canvas.Row(0, 0, 3), (Colors{RGB(3, 3, 3), RGB(2, 2, 2), RGB(0, 0, 0)}));

    TestDib fifteen = MakeDib(2, 1, 16);
    std::memcpy(fifteen.Row(0), "\x00\x7C\xE0\x03", 4);  // 0x7C00 red, 0x03E0 green
    draw(fifteen);
    EXPECT_EQ(canvas.Row(0, 0, 2), (Colors{RGB(255, 0, 0), RGB(0, 255, 0)}));

    TestDib sixteen = MakeDib(1, 1, 16, WithMasks({0xF800, 0x07E0, 0x001F}));
    std::memcpy(sixteen.Row(0), "\x1F\x00", 2);
    draw(sixteen);
    EXPECT_EQ(Column(canvas, 0, 0), RGB(0, 0, 255));

    TestDib wide = MakeDib(1, 1, 32);
    wide.SetColor(0, 0, RGB(10, 20, 30));
    draw(wide);
    EXPECT_EQ(Column(canvas, 0, 0), RGB(10, 20, 30));
}

TEST_F(DibTest, SetDIBitsToDeviceDrawsTheSuppliedBandUnscaled)
{
    TestDib dib = StripedDib();
    Canvas canvas(2, 4, kGrey);
    EXPECT_EQ(SetDIBitsToDevice(canvas.dc(), 0, 0, 2, 4, 0, 0, 0, 4, dib.bits(), dib.info(), DIB_RGB_COLORS), 4);
    for (int y = 0; y < 4; y++) EXPECT_EQ(Column(canvas, 1, y), kRows[y]);

    // Only scan lines 1 and 2 (from the bottom) are in memory.
    canvas.Fill(kGrey);
    const uint8_t* band = dib.bits() + dib.stride;
    EXPECT_EQ(SetDIBitsToDevice(canvas.dc(), 0, 0, 2, 4, 0, 0, 1, 2, band, dib.info(), DIB_RGB_COLORS), 2);
    EXPECT_EQ((Colors{Column(canvas, 0, 0), Column(canvas, 0, 1), Column(canvas, 0, 2), Column(canvas, 0, 3)}),
              (Colors{kGrey, kRows[1], kRows[2], kGrey}));

    TestDib topDown = StripedDib(true);
    canvas.Fill(kGrey);
    band = topDown.bits() + 2 * topDown.stride;  // scan lines 2 and 3 from the top
    EXPECT_EQ(SetDIBitsToDevice(canvas.dc(), 0, 0, 2, 4, 0, 0, 2, 2, band, topDown.info(), DIB_RGB_COLORS), 2);
    EXPECT_EQ((Colors{Column(canvas, 0, 0), Column(canvas, 0, 1), Column(canvas, 0, 2), Column(canvas, 0, 3)}),
              (Colors{kGrey, kGrey, kRows[2], kRows[3]}));
    EXPECT_EQ(SetDIBitsToDevice(canvas.dc(), 0, 0, 2, 4, 0, 0, 4, 1, band, topDown.info(), DIB_RGB_COLORS), 0)
        << "start beyond the DIB";
}

TEST_F(DibTest, MalformedOrOversizedDibsAndBadHandlesAreRefused)
{
    Canvas canvas(2, 2, kGrey);
    HDC dc = canvas.dc();
    auto draw = [&](const TestDib& dib, HDC target = nullptr, UINT usage = DIB_RGB_COLORS) {
        return StretchDIBits(target ? target : dc, 0, 0, 2, 2, 0, 0, 2, 2, dib.bits(), dib.info(), usage, SRCCOPY);
    };
    TestDib good = StripedDib();
    EXPECT_EQ(StretchDIBits(dc, 0, 0, 2, 2, 0, 0, 2, 2, nullptr, good.info(), DIB_RGB_COLORS, SRCCOPY), 0);
    EXPECT_EQ(StretchDIBits(dc, 0, 0, 2, 2, 0, 0, 2, 2, good.bits(), nullptr, DIB_RGB_COLORS, SRCCOPY), 0);
    EXPECT_EQ(draw(good, nullptr, DIB_PAL_COLORS), 0);
    HDC stale = CreateCompatibleDC(nullptr);
    DeleteDC(stale);
    EXPECT_EQ(draw(good, stale), 0);

    auto broken = [&](auto change) {
        TestDib dib = StripedDib();
        change(dib.header());
        return draw(dib);
    };
    EXPECT_EQ(broken([](BITMAPINFOHEADER& h) { h.biSize = 12; }), 0);
    EXPECT_EQ(broken([](BITMAPINFOHEADER& h) { h.biSize = 4096; }), 0);
    EXPECT_EQ(broken([](BITMAPINFOHEADER& h) { h.biWidth = 0; }), 0);
    EXPECT_EQ(broken([](BITMAPINFOHEADER& h) { h.biWidth = -2; }), 0);
    EXPECT_EQ(broken([](BITMAPINFOHEADER& h) { h.biHeight = 0; }), 0);
    EXPECT_EQ(broken([](BITMAPINFOHEADER& h) { h.biHeight = INT32_MIN; }), 0);
    EXPECT_EQ(broken([](BITMAPINFOHEADER& h) { h.biWidth = 1 << 20; }), 0);
    EXPECT_EQ(broken([](BITMAPINFOHEADER& h) { h.biWidth = 16000, h.biHeight = 16000; }), 0);
    EXPECT_EQ(broken([](BITMAPINFOHEADER& h) { h.biBitCount = 12; }), 0);
    EXPECT_EQ(broken([](BITMAPINFOHEADER& h) { h.biPlanes = 2; }), 0);
    EXPECT_EQ(broken([](BITMAPINFOHEADER& h) { h.biCompression = 1; }), 0) << "run-length encoding";
    EXPECT_EQ(broken([](BITMAPINFOHEADER& h) { h.biCompression = BI_BITFIELDS; }), 0) << "24-bit with masks";
    EXPECT_EQ(broken([](BITMAPINFOHEADER& h) { h.biClrUsed = 100000; }), 0);
    TestDib gappy = MakeDib(1, 1, 32, WithMasks({0xF0F000, 0xFF00, 0xFF}));
    EXPECT_EQ(draw(gappy), 0) << "a mask must be one run of bits";
    EXPECT_EQ(Column(canvas, 0, 0), kGrey);

    EXPECT_EQ(StretchDIBits(dc, 0, 0, 1 << 30, 2, 0, 0, 2, 2, good.bits(), good.info(), DIB_RGB_COLORS, SRCCOPY), 0);
}

TEST_F(DibTest, BottomUpSectionBitsStartWithTheBottomRow)
{
    TestDib request = MakeDib(3, 2, 32);
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, request.info(), DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(section, nullptr);
    ASSERT_NE(bits, nullptr);
    BITMAP info = {};
    ASSERT_EQ(GetObjectW(section, sizeof info, &info), int(sizeof info));
    EXPECT_EQ(info.bmBits, bits);
    EXPECT_EQ(info.bmWidth, 3);
    EXPECT_EQ(info.bmHeight, 2);

    auto* pixels = static_cast<uint32_t*>(bits);
    EXPECT_EQ(pixels[0], 0u) << "a new section is zero-filled";
    pixels[0] = 0x00112233;  // first in memory: the bottom-left pixel
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, section);
    EXPECT_EQ(GetPixel(dc, 0, 1), RGB(0x11, 0x22, 0x33));
    SetPixel(dc, 2, 0, RGB(0xAA, 0xBB, 0xCC));  // top-right: the last pixel in memory
    EXPECT_EQ(pixels[5] & 0xFFFFFF, 0xAABBCCu);
    RECT top = {0, 0, 3, 1};
    FillRect(dc, &top, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(pixels[3] & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(pixels[1] & 0xFFFFFF, 0u);
    SelectObject(dc, old);
    DeleteDC(dc);
    EXPECT_TRUE(DeleteObject(section));
}

TEST_F(DibTest, TopDownSectionsAndRefusedRequests)
{
    TestDib request = MakeDib(2, -2, 32);
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, request.info(), DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(section, nullptr);
    static_cast<uint32_t*>(bits)[0] = 0x00FF0000;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, section);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 0, 0));
    SelectObject(dc, old);

    void* none = &bits;
    TestDib rgb24 = MakeDib(2, 2, 24);
    EXPECT_EQ(CreateDIBSection(dc, rgb24.info(), DIB_RGB_COLORS, &none, nullptr, 0), nullptr)
        << "a 24-bit caller would write rows the 32-bit surface does not have";
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(CreateDIBSection(dc, request.info(), DIB_PAL_COLORS, &none, nullptr, 0), nullptr);
    EXPECT_EQ(CreateDIBSection(dc, request.info(), DIB_RGB_COLORS, &none, reinterpret_cast<HANDLE>(1), 0), nullptr);
    EXPECT_EQ(CreateDIBSection(dc, nullptr, DIB_RGB_COLORS, &none, nullptr, 0), nullptr);
    DeleteDC(dc);
    EXPECT_EQ(CreateDIBSection(dc, request.info(), DIB_RGB_COLORS, &none, nullptr, 0), nullptr) << "stale DC";
    DeleteObject(section);
}

}  // namespace
