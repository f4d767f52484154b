// Measuring text: extents, fit counts and partial extents, fallback and surrogate handling.
#include "text/text_fixture.h"

namespace {

class MeasureTest : public TextTest {
protected:
    ScopedFont font_{u"Tahoma", -16};
    ScopedFont chinese_{u"仿宋_GB2312", -16, FW_NORMAL, GB2312_CHARSET};
};

TEST_F(MeasureTest, ExtentGrowsWithTextAndHasTheCellHeight)
{
    Canvas canvas(10, 10, font_.get());
    TEXTMETRICW tm = {};
    GetTextMetricsW(canvas.dc(), &tm);
    SIZE empty = Extent(canvas.dc(), u"");
    SIZE one = Extent(canvas.dc(), u"Menu");
    SIZE two = Extent(canvas.dc(), u"Menu Menu");
    EXPECT_EQ(empty.cx, 0);
    EXPECT_GT(one.cx, 0);
    EXPECT_GT(two.cx, 2 * one.cx);
    EXPECT_EQ(one.cy, tm.tmHeight);
    // Characters advance by whole pixels, so a repeated string measures exactly n times.
    EXPECT_EQ(Extent(canvas.dc(), Repeat(u"ab", 50)).cx, 50 * Extent(canvas.dc(), u"ab").cx);
}

TEST_F(MeasureTest, ChineseIsMeasuredWithAFallbackFont)
{
    for (HFONT font : {font_.get(), chinese_.get()}) {
        Canvas canvas(10, 10, font);
        SIZE three = Extent(canvas.dc(), u"中文字");
        EXPECT_GE(three.cx, 3 * 12);
        EXPECT_LE(three.cx, 3 * 20);
        // Different ideographs are different glyphs of the same width, not missing-glyph boxes.
        EXPECT_EQ(Extent(canvas.dc(), u"北").cx, Extent(canvas.dc(), u"京").cx);
    }
}

TEST_F(MeasureTest, ControlCharactersTakeNoSpace)
{
    Canvas canvas(10, 10, font_.get());
    EXPECT_EQ(Extent(canvas.dc(), u"a\tb\r\n\x01").cx, Extent(canvas.dc(), u"ab").cx);
}

TEST_F(MeasureTest, SurrogatePairIsOneCharacter)
{
    Canvas canvas(10, 10, font_.get());
    const WCHAR pair[] = {u'a', 0xD83D, 0xDE00, u'b', 0};
    const WCHAR lone[] = {u'a', 0xD83D, u'b', 0};
    LONG ab = Extent(canvas.dc(), u"ab").cx;
    EXPECT_GT(Extent(canvas.dc(), pair).cx, ab);
    EXPECT_EQ(Extent(canvas.dc(), lone).cx, Extent(canvas.dc(), u"a\uFFFDb").cx);

    int dx[4] = {};
    int fit = 0;
    ASSERT_TRUE(GetTextExtentExPointW(canvas.dc(), pair, 4, 1000, &fit, dx, nullptr));
    EXPECT_EQ(fit, 4);
    EXPECT_EQ(dx[1], dx[2]) << "both halves of the pair end at the same place";
    EXPECT_LT(dx[0], dx[1]);
}

TEST_F(MeasureTest, FitCountAndPartialExtents)
{
    Canvas canvas(10, 10, font_.get());
    const std::u16string text = u"Route 66";
    const int count = int(text.size());
    std::vector<int> dx(count, -1);
    int fit = -1;
    SIZE size = {};
    ASSERT_TRUE(GetTextExtentExPointW(canvas.dc(), text.c_str(), count, 100000, &fit, dx.data(), &size));
    EXPECT_EQ(fit, count);
    for (int i = 0; i < count; i++) EXPECT_EQ(dx[i], Extent(canvas.dc(), text.substr(0, i + 1)).cx) << i;
    EXPECT_EQ(size.cx, dx[count - 1]);

    // Exactly the extent of four characters fits four; one pixel less fits three.
    ASSERT_TRUE(GetTextExtentExPointW(canvas.dc(), text.c_str(), count, dx[3], &fit, nullptr, nullptr));
    EXPECT_EQ(fit, 4);
    ASSERT_TRUE(GetTextExtentExPointW(canvas.dc(), text.c_str(), count, dx[3] - 1, &fit, nullptr, &size));
    EXPECT_EQ(fit, 3);
    EXPECT_EQ(size.cx, dx[count - 1]) << "the size is always the whole string's";
    ASSERT_TRUE(GetTextExtentExPointW(canvas.dc(), text.c_str(), count, 0, &fit, nullptr, nullptr));
    EXPECT_EQ(fit, 0);

    EXPECT_TRUE(GetTextExtentExPointW(canvas.dc(), text.c_str(), count, 10, nullptr, nullptr, nullptr));
    EXPECT_FALSE(GetTextExtentExPointW(canvas.dc(), text.c_str(), count, -5, &fit, nullptr, nullptr));
    EXPECT_FALSE(GetTextExtentExPointW(canvas.dc(), text.c_str(), -1, 10, &fit, nullptr, nullptr));
    EXPECT_FALSE(GetTextExtentExPointW(canvas.dc(), nullptr, 3, 10, &fit, nullptr, nullptr));
}

TEST_F(MeasureTest, ReadsExactlyTheCountGiven)
{
    Canvas canvas(10, 10, font_.get());
    // No terminator: only `count` units may be read.
    const WCHAR unterminated[3] = {u'W', u'W', u'W'};
    SIZE two = {};
    ASSERT_TRUE(GetTextExtentPoint32W(canvas.dc(), unterminated, 2, &two));
    EXPECT_EQ(two.cx, Extent(canvas.dc(), u"WW").cx);
    SIZE size = {};
    EXPECT_FALSE(GetTextExtentPoint32W(canvas.dc(), u"abc", -1, &size));
    EXPECT_FALSE(GetTextExtentPoint32W(canvas.dc(), nullptr, 2, &size));
    EXPECT_FALSE(GetTextExtentPoint32W(canvas.dc(), u"abc", 3, nullptr));
    EXPECT_TRUE(GetTextExtentPoint32W(canvas.dc(), nullptr, 0, &size));
}

TEST_F(MeasureTest, LongTextMeasuresWithoutOverflow)
{
    Canvas canvas(10, 10, font_.get());
    std::u16string text = Repeat(u"x", 20000);
    EXPECT_EQ(Extent(canvas.dc(), text).cx, 20000 * Extent(canvas.dc(), u"x").cx);
    int fit = 0;
    ASSERT_TRUE(GetTextExtentExPointW(canvas.dc(), text.c_str(), int(text.size()), 800, &fit, nullptr, nullptr));
    EXPECT_EQ(fit, 800 / Extent(canvas.dc(), u"x").cx);
}

TEST_F(MeasureTest, ManyFontsInTurnKeepTheirMeasurements)
{
    // More distinct fonts than the process keeps resolved at once, then the first ones again.
    std::vector<LONG> widths;
    for (int round = 0; round < 2; round++) {
        for (LONG height = 8; height < 108; height++) {
            ScopedFont font(u"Tahoma", -height);
            Canvas canvas(height * 4, height * 2, font.get());
            LONG width = Extent(canvas.dc(), u"Ab中").cx;
            RECT rect = {0, 0, height * 4, height * 2};
            DrawTextW(canvas.dc(), u"Ab中", -1, &rect, DT_SINGLELINE);
            ASSERT_TRUE(HasInk(canvas.Ink())) << height;
            if (round == 0) widths.push_back(width);
            else EXPECT_EQ(width, widths[height - 8]) << height;
        }
    }
    EXPECT_LT(widths.front(), widths.back());
}

}  // namespace
