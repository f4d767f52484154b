// Measuring text: extents, fallback fonts and surrogate handling.
#include "text/text_fixture.h"

namespace {

using MeasureTest = TextTest;

// Whole pixels that add up, the cell's height, no overflow, no space for control characters, exactly
// the count given, a lone surrogate half measured as the replacement character.
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
    std::u16string fifty;
    for (int i = 0; i < 50; i++) fifty += u"ab";
    EXPECT_EQ(Extent(dc, fifty).cx, 50 * Extent(dc, u"ab").cx);
    EXPECT_EQ(Extent(dc, std::u16string(20000, u'x')).cx, 20000 * Extent(dc, u"x").cx);
    EXPECT_EQ(Extent(dc, u"a\tb\r\n\x01").cx, Extent(dc, u"ab").cx);
    EXPECT_EQ(two.cx, Extent(dc, u"WW").cx);
    const WCHAR lone[] = {u'a', 0xD83D, u'b', 0};
    EXPECT_EQ(Extent(dc, lone).cx, Extent(dc, u"a\uFFFDb").cx);
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

}  // namespace
