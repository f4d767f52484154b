// Measuring text: extents, fit counts and partial extents, fallback and surrogate handling.
#include "text/text_fixture.h"

namespace {

using MeasureTest = TextTest;

// Whole pixels that add up, the cell's height, no overflow, no space for control characters, and
// exactly the count given.
TEST_F(MeasureTest, ExtentsAddUpByWholePixelsAndHaveTheCellHeight)
{
    Canvas canvas(10, 10, kPaper, font_.get());
    HDC dc = canvas.dc();
    const SIZE one = Extent(dc, u"Menu");
    const WCHAR unterminated[3] = {u'W', u'W', u'W'};
    SIZE two = {};
    ASSERT_TRUE(GetTextExtentPoint32W(dc, unterminated, 2, &two));
    EXPECT_EQ(Extent(dc, u"").cx, 0);
    EXPECT_TRUE(one.cx > 0 && one.cy == Metrics(dc).tmHeight && Extent(dc, u"Menu Menu").cx > 2 * one.cx);
    EXPECT_EQ(Extent(dc, Repeat(u"ab", 50)).cx, 50 * Extent(dc, u"ab").cx);
    EXPECT_EQ(Extent(dc, Repeat(u"x", 20000)).cx, 20000 * Extent(dc, u"x").cx);
    EXPECT_EQ(Extent(dc, u"a\tb\r\n\x01").cx, Extent(dc, u"ab").cx);
    EXPECT_EQ(two.cx, Extent(dc, u"WW").cx);
}

// With a Latin face and with a Chinese one: different ideographs are different glyphs of one
// width, not missing-glyph boxes, and they draw.
TEST_F(MeasureTest, ChineseIsMeasuredAndDrawnWithAFallbackFont)
{
    ScopedFont chinese(u"仿宋_GB2312", -16, FW_NORMAL, GB2312_CHARSET);
    for (HFONT font : {font_.get(), chinese.get()}) {
        Canvas canvas(100, 30, kPaper, font);
        const SIZE three = Extent(canvas.dc(), u"中文字");
        EXPECT_TRUE(three.cx >= 3 * 12 && three.cx <= 3 * 20) << three.cx;
        EXPECT_EQ(Extent(canvas.dc(), u"北").cx, Extent(canvas.dc(), u"京").cx);
        RECT rect = {0, 0, 100, 30};
        DrawTextW(canvas.dc(), u"导航", -1, &rect, DT_SINGLELINE);
        const RECT ink = canvas.Ink();
        EXPECT_TRUE(ink.right - ink.left > 20 && ink.bottom - ink.top > 10);
    }
}

// The partial extents are the prefixes' extents, a surrogate pair's halves ending together (a lone
// half is the replacement character); exactly the extent of five units fits five, one pixel less
// four; the size is always the whole string's; no fit and no limit is no fault.
TEST_F(MeasureTest, FitCountAndPartialExtents)
{
    Canvas canvas(10, 10, kPaper, font_.get());
    HDC dc = canvas.dc();
    const std::u16string text = u"R\U0001F600te 66", longText = Repeat(u"x", 20000);
    const int count = int(text.size());
    std::vector<int> dx(size_t(count), -1), prefixes, fits;
    for (int i = 1; i <= count; i++) prefixes.push_back(Extent(dc, text.substr(0, size_t(i == 2 ? 3 : i))).cx);
    ASSERT_TRUE(GetTextExtentExPointW(dc, text.c_str(), count, 100000, nullptr, dx.data(), nullptr));
    EXPECT_EQ(dx, prefixes);
    for (int maxExtent : {100000, dx[4], dx[4] - 1, 0}) {
        int fit = -1;
        SIZE size = {};
        GetTextExtentExPointW(dc, text.c_str(), count, maxExtent, &fit, nullptr, &size);
        fits.insert(fits.end(), {fit, size.cx - dx.back()});
    }
    EXPECT_EQ(fits, (std::vector<int>{count, 0, 5, 0, 4, 0, 0, 0}));
    const WCHAR lone[] = {u'a', 0xD83D, u'b', 0};
    EXPECT_EQ(Extent(dc, lone).cx, Extent(dc, u"a\uFFFDb").cx);
    int fit = -1;
    ASSERT_TRUE(GetTextExtentExPointW(dc, longText.c_str(), int(longText.size()), 800, &fit, nullptr, nullptr));
    EXPECT_EQ(fit, 800 / Extent(dc, u"x").cx);
    EXPECT_TRUE(GetTextExtentExPointW(dc, text.c_str(), count, -5, nullptr, nullptr, nullptr));
}

// More distinct fonts than the process keeps resolved at once, then the first ones again.
TEST_F(MeasureTest, ManyFontsInTurnKeepTheirMeasurements)
{
    std::vector<LONG> widths;
    for (int round = 0; round < 2; round++) {
        for (LONG height = 8; height < 108; height++) {
            ScopedFont font(u"Tahoma", -height);
            Canvas canvas(height * 4, height * 2, kPaper, font.get());
            const LONG width = Extent(canvas.dc(), u"Ab中").cx;
            RECT rect = {0, 0, height * 4, height * 2};
            DrawTextW(canvas.dc(), u"Ab中", -1, &rect, DT_SINGLELINE);
            ASSERT_TRUE(HasInk(canvas.Ink())) << height;
            if (round == 0) widths.push_back(width);
            else EXPECT_EQ(width, widths[size_t(height - 8)]) << height;
        }
    }
    EXPECT_LT(widths.front(), widths.back());
}

}  // namespace
