// StretchDIBits from the caller's memory.
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

int Stretch(HDC dc, int x, int y, int width, int height, int srcY, int srcWidth, int srcHeight, const TestDib& dib)
{
    return StretchDIBits(dc, x, y, width, height, 0, srcY, srcWidth, srcHeight, dib.bits(), dib.info(), DIB_RGB_COLORS,
                         SRCCOPY);
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
// count. A DIB that claims more rows than its bits hold is refused.
TEST_F(DibTest, RowOrderOfTheSourceAndOversizedDibs)
{
    const TestDib bottomUp = StripedDib(false), topDown = StripedDib(true);
    Canvas canvas(1, 4, kGrey);
    auto result = [&canvas](int drawn) {
        std::pair<int, Colors> both = {drawn, canvas.Pixels()};
        canvas.Fill(kGrey);
        return both;
    };
    EXPECT_EQ(result(Stretch(canvas.dc(), 0, 0, 1, 3, 0, 1, 3, bottomUp)), std::make_pair(3, Colors{kRows[1], kRows[2], kRows[3], kGrey}));
    EXPECT_EQ(result(Stretch(canvas.dc(), 0, 0, 1, 3, 0, 1, 3, topDown)), std::make_pair(3, Colors{kRows[0], kRows[1], kRows[2], kGrey}));
    EXPECT_EQ(result(Stretch(canvas.dc(), 0, 0, 1, 3, 3, 1, 3, bottomUp)), std::make_pair(1, Colors{kGrey, kGrey, kRows[0], kGrey}));
    TestDib huge = StripedDib(false);
    huge.header().biWidth = 16000, huge.header().biHeight = 16000;
    EXPECT_EQ(result(Stretch(canvas.dc(), 0, 0, 1, 1, 0, 1, 1, huge)), std::make_pair(0, Colors(4, kGrey)));
}

}  // namespace
