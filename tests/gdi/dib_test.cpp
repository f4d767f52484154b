// StretchDIBits and SetDIBitsToDevice from the caller's memory, and DIB sections.
#include "gdi/dib.h"

namespace {

using DibTest = HostTest;

constexpr COLORREF kGrey = RGB(9, 9, 9);
const Colors kRows = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)};

// A 1 x 4 24-bit DIB whose picture row y (from the top) is kRows[y].
TestDib StripedDib(bool topDown)
{
    TestDib dib = MakeDib(1, topDown ? -4 : 4, 24);
    for (int y = 0; y < 4; y++) dib.SetColor(0, y, kRows[size_t(y)]);
    return dib;
}

int Stretch(HDC dc, int x, int y, int width, int height, int srcY, int srcWidth, int srcHeight, const TestDib& dib,
            UINT usage = DIB_RGB_COLORS)
{
    return StretchDIBits(dc, x, y, width, height, 0, srcY, srcWidth, srcHeight, dib.bits(), dib.info(), usage, SRCCOPY);
}

// The list's selection highlight: a bottom-up 24-bit column with a 44-byte header, stretched wide.
TEST_F(DibTest, HalftoneStretchOfAGradientColumnGivesUniformRows)
{
    const int h = 10;
    TestDib dib = MakeDib(1, h, 24, 44);
    for (int y = 0; y < h; y++) dib.SetColor(0, y, RGB(y * 20, 255 - y * 20, 7));
    Canvas canvas(30, h + 3, kGrey);
    SetStretchBltMode(canvas.dc(), HALFTONE);
    EXPECT_EQ(Stretch(canvas.dc(), 0, 2, 30, h, 0, 1, h, dib), h);
    EXPECT_EQ(canvas.Row(1, 0, 30), Colors(30, kGrey));
    for (int y = 0; y < h; y++) EXPECT_EQ(canvas.Row(y + 2, 0, 30), Colors(30, RGB(y * 20, 255 - y * 20, 7))) << y;
}

// The source rectangle counts from the bottom only for bottom-up DIBs, and only rows inside the DIB
// count; SetDIBitsToDevice draws the band of scan lines it is given (1 and 2 from the bottom),
// unscaled; a band beyond the DIB draws nothing.
TEST_F(DibTest, RowOrderOfTheSourceAndOfTheSuppliedBand)
{
    const TestDib bottomUp = StripedDib(false), topDown = StripedDib(true);
    Canvas canvas(1, 4, kGrey);
    auto result = [&canvas](int drawn) {
        std::pair<int, Colors> both = {drawn, canvas.Pixels()};
        canvas.Fill(kGrey);
        return both;
    };
    auto band = [&canvas](const TestDib& dib, UINT start, UINT lines, size_t skipped) {
        return SetDIBitsToDevice(canvas.dc(), 0, 0, 1, 4, 0, 0, start, lines, dib.bits() + skipped * dib.stride,
                                 dib.info(), DIB_RGB_COLORS);
    };
    EXPECT_EQ(result(Stretch(canvas.dc(), 0, 0, 1, 3, 0, 1, 3, bottomUp)), std::make_pair(3, Colors{kRows[1], kRows[2], kRows[3], kGrey}));
    EXPECT_EQ(result(Stretch(canvas.dc(), 0, 0, 1, 3, 0, 1, 3, topDown)), std::make_pair(3, Colors{kRows[0], kRows[1], kRows[2], kGrey}));
    EXPECT_EQ(result(Stretch(canvas.dc(), 0, 0, 1, 3, 3, 1, 3, bottomUp)), std::make_pair(1, Colors{kGrey, kGrey, kRows[0], kGrey}));
    EXPECT_EQ(result(band(bottomUp, 1, 2, 1)), std::make_pair(2, Colors{kGrey, kRows[1], kRows[2], kGrey}));
    EXPECT_EQ(result(band(topDown, 4, 1, 0)), std::make_pair(0, Colors(4, kGrey)));
}

// Colour tables follow long headers, which hold the masks themselves.
TEST_F(DibTest, PalettesAndMasks)
{
    TestDib paletted = MakeDib(3, 1, 8, 124, {RGB(1, 2, 3), RGB(40, 50, 60), RGB(200, 100, 0)});
    paletted.SetIndex(0, 0, 2);
    paletted.SetIndex(2, 0, 1);
    TestDib swapped = MakeDib(1, 1, 32, 124, {}, {0x0000FF, 0x00FF00, 0xFF0000});
    std::memcpy(swapped.Row(0), "\x11\x22\x33", 3);
    TestDib mono = MakeDib(3, 1, 1, 40, {RGB(0, 0, 0), RGB(255, 255, 255)});
    mono.SetIndex(1, 0, 1);
    TestDib rgb565 = MakeDib(2, 1, 16, 40, {}, {0xF800, 0x07E0, 0x001F});
    std::memcpy(rgb565.Row(0), "\x1F\x00\x00\xF8", 4);
    TestDib rgb555 = MakeDib(1, 1, 16);
    std::memcpy(rgb555.Row(0), "\xE0\x03", 2);
    Canvas canvas(3, 5, kGrey);
    int y = 0;
    for (const TestDib* dib : {&paletted, &swapped, &mono, &rgb565, &rgb555}) {
        const int width = dib->info()->bmiHeader.biWidth;
        EXPECT_EQ(Stretch(canvas.dc(), 0, y++, width, 1, 0, width, 1, *dib), 1);
    }
    EXPECT_EQ(canvas.Pixels(), (Colors{RGB(200, 100, 0), RGB(1, 2, 3), RGB(40, 50, 60),      // paletted
                                       RGB(0x11, 0x22, 0x33), kGrey, kGrey,                  // masks swapped
                                       RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0),       // monochrome
                                       RGB(0, 0, 255), RGB(255, 0, 0), kGrey,                // 5-6-5
                                       RGB(0, 255, 0), kGrey, kGrey}));                      // 5-5-5
}

TEST_F(DibTest, MalformedOrOversizedDibsAndBadHandlesAreRefused)
{
    Canvas canvas(1, 1, kGrey);
    HDC stale = CreateCompatibleDC(nullptr), dc = canvas.dc();
    DeleteDC(stale);
    const TestDib good = StripedDib(false);
    const std::vector<int> refused = {
        Stretch(stale, 0, 0, 1, 1, 0, 1, 1, good), Stretch(dc, 0, 0, 1 << 30, 1, 0, 1, 1, good),
        StretchDIBits(dc, 0, 0, 1, 1, 0, 0, 1, 1, nullptr, good.info(), DIB_RGB_COLORS, SRCCOPY)};
    EXPECT_EQ(refused, std::vector<int>(refused.size(), 0));
    const std::vector<void (*)(BITMAPINFOHEADER&)> damage = {
        [](BITMAPINFOHEADER& h) { h.biHeight = INT32_MIN; },
        [](BITMAPINFOHEADER& h) { h.biWidth = 16000, h.biHeight = 16000; },
        [](BITMAPINFOHEADER& h) { h.biClrUsed = 100000; },
    };
    for (size_t i = 0; i < damage.size(); i++) {
        TestDib dib = StripedDib(false);
        damage[i](dib.header());
        EXPECT_EQ(Stretch(dc, 0, 0, 1, 1, 0, 1, 1, dib), 0) << "damage " << i;
    }
    const TestDib gappy = MakeDib(1, 1, 32, 40, {}, {0xF0F000, 0xFF00, 0xFF});
    EXPECT_EQ(Stretch(dc, 0, 0, 1, 1, 0, 1, 1, gappy), 0) << "a mask must be one run of bits";
    EXPECT_EQ(canvas.At(0, 0), kGrey);
}

// The first pixel in memory is bottom-left or top-left (a fill of the top row shows where it lands);
// 24 bits, palette indices, a file mapping and a stale DC are refused.
TEST_F(DibTest, SectionsExposeTheirBitsInTheDibsRowOrder)
{
    HDC dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    for (int height : {2, -2}) {
        const TestDib dib = MakeDib(3, height, 32);
        HBITMAP section = CreateDIBSection(height > 0 ? nullptr : dc, dib.info(), DIB_RGB_COLORS, &bits, nullptr, 0);
        auto* pixels = static_cast<uint32_t*>(bits);
        HGDIOBJ old = SelectObject(dc, section);
        pixels[0] = 0x112233;
        const COLORREF first = GetPixel(dc, 0, height > 0 ? 1 : 0);
        RECT top = {0, 0, 3, 1};
        FillRect(dc, &top, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        std::vector<uint32_t> memory(pixels, pixels + 6);
        for (uint32_t& pixel : memory) pixel &= 0xFFFFFF;
        const uint32_t w = 0xFFFFFF, p = 0x112233;
        BITMAP info = {};
        GetObjectW(section, sizeof info, &info);
        EXPECT_TRUE(info.bmBits == bits && first == RGB(0x11, 0x22, 0x33)) << height;
        EXPECT_EQ(memory, (height > 0 ? std::vector<uint32_t>{p, 0, 0, w, w, w} : std::vector<uint32_t>{w, w, w, 0, 0, 0}));
        DeleteObject(SelectObject(dc, old));
    }
    const TestDib topDown = MakeDib(3, -2, 32), rgb24 = MakeDib(2, 2, 24);
    EXPECT_EQ(CreateDIBSection(dc, rgb24.info(), DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(bits, nullptr);
    DeleteDC(dc);
    EXPECT_EQ(CreateDIBSection(dc, topDown.info(), DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
}

}  // namespace
