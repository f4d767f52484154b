// Measuring text: extents, fit counts and partial extents, fallback and surrogate handling.
#include "text/text_fixture.h"

namespace {

class MeasureTest : public TextTest {
protected:
    ScopedFont font_{u"Tahoma", -16};
};

TEST_F(MeasureTest, ExtentsAddUpByWholePixelsAndHaveTheCellHeight)
{
    Canvas canvas(10, 10, kPaper, font_.get());
    HDC dc = canvas.dc();
    EXPECT_EQ(Extent(dc, u"").cx, 0);
    SIZE one = Extent(dc, u"Menu");
    EXPECT_GT(one.cx, 0);
    EXPECT_EQ(one.cy, Metrics(dc).tmHeight);
    EXPECT_GT(Extent(dc, u"Menu Menu").cx, 2 * one.cx);
    EXPECT_EQ(Extent(dc, Repeat(u"ab", 50)).cx, 50 * Extent(dc, u"ab").cx);
    EXPECT_EQ(Extent(dc, Repeat(u"x", 20000)).cx, 20000 * Extent(dc, u"x").cx) << "no overflow";
    EXPECT_EQ(Extent(dc, u"a\tb\r\n\x01").cx, Extent(dc, u"ab").cx) << "control characters take no space";
}

TEST_F(MeasureTest, ChineseIsMeasuredWithAFallbackFont)
{
    ScopedFont chinese(u"仿宋_GB2312", -16, FW_NORMAL, GB2312_CHARSET);
    for (HFONT font : {font_.get(), chinese.get()}) {
        Canvas canvas(10, 10, kPaper, font);
        SIZE three = Extent(canvas.dc(), u"中文字");
        EXPECT_GE(three.cx, 3 * 12);
        EXPECT_LE(three.cx, 3 * 20);
        // Different ideographs are different glyphs of the same width, not missing-glyph boxes.
        EXPECT_EQ(Extent(canvas.dc(), u"北").cx, Extent(canvas.dc(), u"京").cx);
    }
}

TEST_F(MeasureTest, SurrogatePairIsOneCharacter)
{
    Canvas canvas(10, 10, kPaper, font_.get());
    HDC dc = canvas.dc();
    const WCHAR pair[] = {u'a', 0xD83D, 0xDE00, u'b', 0};
    const WCHAR lone[] = {u'a', 0xD83D, u'b', 0};
    EXPECT_GT(Extent(dc, pair).cx, Extent(dc, u"ab").cx);
    EXPECT_EQ(Extent(dc, lone).cx, Extent(dc, u"a\uFFFDb").cx);
    int dx[4] = {};
    int fit = 0;
    ASSERT_TRUE(GetTextExtentExPointW(dc, pair, 4, 1000, &fit, dx, nullptr));
    EXPECT_EQ(fit, 4);
    EXPECT_EQ(dx[1], dx[2]) << "both halves of the pair end at the same place";
    EXPECT_LT(dx[0], dx[1]);
}

TEST_F(MeasureTest, FitCountAndPartialExtents)
{
    Canvas canvas(10, 10, kPaper, font_.get());
    HDC dc = canvas.dc();
    const std::u16string text = u"Route 66";
    const int count = int(text.size());
    std::vector<int> dx(size_t(count), -1), prefixes;
    for (int i = 1; i <= count; i++) prefixes.push_back(Extent(dc, text.substr(0, size_t(i))).cx);
    int fit = -1;
    SIZE size = {};
    ASSERT_TRUE(GetTextExtentExPointW(dc, text.c_str(), count, 100000, &fit, dx.data(), &size));
    EXPECT_EQ(fit, count);
    EXPECT_EQ(dx, prefixes);
    EXPECT_EQ(size.cx, dx[size_t(count) - 1]);

    // Exactly the extent of four characters fits four; one pixel less fits three.
    struct Row {
        int maxExtent, fit;
    };
    for (Row row : {Row{dx[3], 4}, Row{dx[3] - 1, 3}, Row{0, 0}, Row{800, count}}) {
        size = {};
        ASSERT_TRUE(GetTextExtentExPointW(dc, text.c_str(), count, row.maxExtent, &fit, nullptr, &size));
        EXPECT_EQ(fit, row.fit) << row.maxExtent;
        EXPECT_EQ(size.cx, dx[size_t(count) - 1]) << "the size is always the whole string's";
    }
    std::u16string longText = Repeat(u"x", 20000);
    ASSERT_TRUE(GetTextExtentExPointW(dc, longText.c_str(), int(longText.size()), 800, &fit, nullptr, nullptr));
    EXPECT_EQ(fit, 800 / Extent(dc, u"x").cx);

    EXPECT_TRUE(GetTextExtentExPointW(dc, text.c_str(), count, 10, nullptr, nullptr, nullptr));
    EXPECT_FALSE(GetTextExtentExPointW(dc, text.c_str(), count, -5, &fit, nullptr, nullptr));
    EXPECT_FALSE(GetTextExtentExPointW(dc, text.c_str(), -1, 10, &fit, nullptr, nullptr));
    EXPECT_FALSE(GetTextExtentExPointW(dc, nullptr, 3, 10, &fit, nullptr, nullptr));
}

TEST_F(MeasureTest, ReadsExactlyTheCountGiven)
{
    Canvas canvas(10, 10, kPaper, font_.get());
    HDC dc = canvas.dc();
    const WCHAR unterminated[3] = {u'W', u'W', u'W'};
    SIZE size = {};
    ASSERT_TRUE(GetTextExtentPoint32W(dc, unterminated, 2, &size));
    EXPECT_EQ(size.cx, Extent(dc, u"WW").cx);
    EXPECT_FALSE(GetTextExtentPoint32W(dc, u"abc", -1, &size));
    EXPECT_FALSE(GetTextExtentPoint32W(dc, nullptr, 2, &size));
    EXPECT_FALSE(GetTextExtentPoint32W(dc, u"abc", 3, nullptr));
    EXPECT_TRUE(GetTextExtentPoint32W(dc, nullptr, 0, &size));
}

TEST_F(MeasureTest, ManyFontsInTurnKeepTheirMeasurements)
{
    // More distinct fonts than the process keeps resolved at once, then the first ones again.
    std::vector<LONG> widths;
    for (int round = 0; round < 2; round++) {
        for (LONG height = 8; height < 108; height++) {
            ScopedFont font(u"Tahoma", -height);
            Canvas canvas(height * 4, height * 2, kPaper, font.get());
            LONG width = Extent(canvas.dc(), u"Ab中").cx;
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
