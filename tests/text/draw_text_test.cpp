// DrawTextW: placement, alignment, clipping, line breaking, prefixes and colours.
#include <cstdlib>

#include "text/text_fixture.h"

namespace {

class DrawTextTest : public TextTest {
protected:
    int LineHeight(HDC dc)
    {
        TEXTMETRICW tm = {};
        GetTextMetricsW(dc, &tm);
        return tm.tmHeight;
    }

    ScopedFont font_{u"Tahoma", -16};
    ScopedFont large_{u"Tahoma", -32};
};

TEST_F(DrawTextTest, DrawsInsideTheRectangleAndReturnsTheHeight)
{
    Canvas canvas(200, 60, font_.get());
    SetBkMode(canvas.dc(), TRANSPARENT);
    RECT rect = {20, 10, 180, 50};
    EXPECT_EQ(DrawTextW(canvas.dc(), u"Zoom in", -1, &rect, DT_SINGLELINE), LineHeight(canvas.dc()));
    RECT ink = canvas.Ink();
    ASSERT_TRUE(HasInk(ink));
    EXPECT_GE(ink.left, rect.left);
    EXPECT_LE(ink.left, rect.left + 3);
    EXPECT_GE(ink.top, rect.top);
    EXPECT_LE(ink.bottom, rect.top + LineHeight(canvas.dc()));
    EXPECT_LE(ink.right, rect.left + Extent(canvas.dc(), u"Zoom in").cx + 1);
}

TEST_F(DrawTextTest, ClipsAtTheRectangleUnlessNoClip)
{
    Canvas canvas(200, 40, font_.get());
    SetBkMode(canvas.dc(), TRANSPARENT);
    RECT rect = {10, 5, 60, 35};
    DrawTextW(canvas.dc(), u"A rather long street name", -1, &rect, DT_SINGLELINE);
    RECT ink = canvas.Ink();
    ASSERT_TRUE(HasInk(ink));
    EXPECT_LE(ink.right, rect.right);

    canvas.Clear();
    DrawTextW(canvas.dc(), u"A rather long street name", -1, &rect, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(canvas.Ink().right, rect.right + 50);
}

TEST_F(DrawTextTest, VerticalPlacementOfASingleLine)
{
    Canvas canvas(100, 100, font_.get());
    SetBkMode(canvas.dc(), TRANSPARENT);
    RECT rect = {0, 10, 100, 90};
    int offset = DrawTextW(canvas.dc(), u"HH", -1, &rect, DT_SINGLELINE | DT_VCENTER);
    RECT ink = canvas.Ink();
    ASSERT_TRUE(HasInk(ink));
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, (rect.top + rect.bottom) / 2.0, 2.0);
    EXPECT_NEAR(offset, (rect.bottom - rect.top + LineHeight(canvas.dc())) / 2, 1) << "offset to the text's bottom";

    canvas.Clear();
    DrawTextW(canvas.dc(), u"HH", -1, &rect, DT_SINGLELINE | DT_BOTTOM);
    ink = canvas.Ink();
    EXPECT_LE(ink.bottom, rect.bottom);
    EXPECT_GE(ink.bottom, rect.bottom - LineHeight(canvas.dc()) / 2);

    // Multi-line text ignores vertical alignment and starts at the top.
    canvas.Clear();
    DrawTextW(canvas.dc(), u"HH", -1, &rect, DT_VCENTER);
    EXPECT_LT(canvas.Ink().top, rect.top + LineHeight(canvas.dc()));
}

TEST_F(DrawTextTest, HorizontalAlignment)
{
    Canvas canvas(200, 30, font_.get());
    SetBkMode(canvas.dc(), TRANSPARENT);
    RECT rect = {10, 0, 190, 30};
    DrawTextW(canvas.dc(), u"HUH", -1, &rect, DT_SINGLELINE | DT_RIGHT);
    RECT ink = canvas.Ink();
    EXPECT_LE(ink.right, rect.right);
    EXPECT_GE(ink.right, rect.right - 3);

    canvas.Clear();
    DrawTextW(canvas.dc(), u"HUH", -1, &rect, DT_SINGLELINE | DT_CENTER);
    ink = canvas.Ink();
    EXPECT_NEAR(ink.left - rect.left, rect.right - ink.right, 3);
}

TEST_F(DrawTextTest, CalcRectMeasuresWithoutDrawing)
{
    Canvas canvas(200, 100, font_.get());
    int line = LineHeight(canvas.dc());
    RECT rect = {5, 7, 6, 8};
    EXPECT_EQ(DrawTextW(canvas.dc(), u"Settings", -1, &rect, DT_SINGLELINE | DT_CALCRECT), line);
    EXPECT_EQ(rect.left, 5);
    EXPECT_EQ(rect.right - rect.left, Extent(canvas.dc(), u"Settings").cx);
    EXPECT_EQ(rect.bottom - rect.top, line);
    EXPECT_FALSE(HasInk(canvas.Ink()));

    rect = {0, 0, 1000, 0};
    EXPECT_EQ(DrawTextW(canvas.dc(), u"a\nbb\r\nccc", -1, &rect, DT_CALCRECT), 3 * line);
    EXPECT_EQ(rect.right, Extent(canvas.dc(), u"ccc").cx);

    rect = {0, 0, 1000, 0};
    EXPECT_EQ(DrawTextW(canvas.dc(), u"", -1, &rect, DT_CALCRECT), 0);
    EXPECT_EQ(rect.right, 0);
}

TEST_F(DrawTextTest, WordBreakWrapsAtSpacesWithinTheWidth)
{
    Canvas canvas(120, 200, font_.get());
    const std::u16string text = u"turn left onto the main road";
    int width = Extent(canvas.dc(), u"turn left on").cx;
    RECT measured = {0, 0, width, 0};
    int height = DrawTextW(canvas.dc(), text.c_str(), -1, &measured, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_GE(height, 3 * LineHeight(canvas.dc()));
    EXPECT_LE(measured.right, width);

    SetBkMode(canvas.dc(), TRANSPARENT);
    RECT rect = {0, 0, width, 200};
    EXPECT_EQ(DrawTextW(canvas.dc(), text.c_str(), -1, &rect, DT_WORDBREAK), height);
    RECT ink = canvas.Ink();
    EXPECT_LE(ink.right, width);
    EXPECT_GT(ink.bottom, 2 * LineHeight(canvas.dc()));

    // Single-line text does not wrap.
    RECT single = {0, 0, width, 0};
    EXPECT_EQ(DrawTextW(canvas.dc(), text.c_str(), -1, &single, DT_WORDBREAK | DT_SINGLELINE | DT_CALCRECT),
              LineHeight(canvas.dc()));
}

TEST_F(DrawTextTest, LinesSplitAtLineBreaksUnlessSingleLine)
{
    Canvas canvas(100, 60, font_.get());
    SetBkMode(canvas.dc(), TRANSPARENT);
    int line = LineHeight(canvas.dc());
    RECT rect = {0, 0, 100, 60};
    EXPECT_EQ(DrawTextW(canvas.dc(), u"HH\r\nHH", -1, &rect, 0), 2 * line);
    EXPECT_TRUE(HasInk(canvas.InkWithin({0, line, 100, 2 * line})));

    canvas.Clear();
    SetBkMode(canvas.dc(), OPAQUE);
    EXPECT_EQ(DrawTextW(canvas.dc(), u"HH\r\nHH", -1, &rect, DT_SINGLELINE | DT_NOCLIP), line);
    EXPECT_FALSE(HasInk(canvas.InkWithin({0, line, 100, 60})));
    Canvas joined(100, 60, font_.get());
    DrawTextW(joined.dc(), u"HHHH", -1, &rect, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_EQ(canvas.Pixels(), joined.Pixels()) << "line breaks are invisible in a single line";
}

TEST_F(DrawTextTest, PrefixesHideTheAmpersandAndUnderline)
{
    Canvas plain(100, 30, font_.get());
    Canvas prefixed(100, 30, font_.get());
    RECT rect = {2, 2, 100, 30};
    DrawTextW(plain.dc(), u"MEN", -1, &rect, DT_SINGLELINE);
    DrawTextW(prefixed.dc(), u"&MEN", -1, &rect, DT_SINGLELINE);
    RECT plainInk = plain.Ink();
    RECT prefixedInk = prefixed.Ink();
    EXPECT_EQ(prefixedInk.right, plainInk.right) << "no room was made for the ampersand";
    EXPECT_GT(prefixedInk.bottom, plainInk.bottom) << "the prefixed M is underlined";
    RECT underline = prefixed.InkWithin({0, plainInk.bottom, 100, 30});
    EXPECT_LE(underline.right - underline.left, Extent(plain.dc(), u"M").cx);

    // "&&" is a literal ampersand: drawn as "&" is without prefix processing.
    plain.Clear();
    prefixed.Clear();
    DrawTextW(plain.dc(), u"a&b", -1, &rect, DT_SINGLELINE | DT_NOPREFIX);
    DrawTextW(prefixed.dc(), u"a&&b", -1, &rect, DT_SINGLELINE);
    EXPECT_EQ(prefixed.Pixels(), plain.Pixels());
    RECT measured = rect;
    DrawTextW(prefixed.dc(), u"a&&b", -1, &measured, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    EXPECT_EQ(measured.right - measured.left, Extent(prefixed.dc(), u"a&&b").cx);
}

TEST_F(DrawTextTest, OpaqueBackgroundFillsTheCellTransparentDoesNot)
{
    Canvas canvas(100, 30, font_.get());
    SetBkColor(canvas.dc(), RGB(0, 0, 255));
    RECT rect = {0, 0, 100, 30};
    DrawTextW(canvas.dc(), u"i i", -1, &rect, DT_SINGLELINE);
    int width = Extent(canvas.dc(), u"i i").cx;
    EXPECT_EQ(canvas.At(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(width - 1, LineHeight(canvas.dc()) - 1), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(width + 1, 0), RGB(255, 255, 255)) << "only the text's cell";

    canvas.Clear();
    SetBkMode(canvas.dc(), TRANSPARENT);
    DrawTextW(canvas.dc(), u"i i", -1, &rect, DT_SINGLELINE);
    for (COLORREF pixel : canvas.Pixels()) ASSERT_NE(pixel, RGB(0, 0, 255));
}

TEST_F(DrawTextTest, InkIsTheTextColourBlendedOverTheBackground)
{
    Canvas canvas(120, 50, large_.get());
    SetBkMode(canvas.dc(), TRANSPARENT);
    SetTextColor(canvas.dc(), RGB(255, 0, 0));
    RECT rect = {0, 0, 120, 50};
    DrawTextW(canvas.dc(), u"HEL", -1, &rect, DT_SINGLELINE);
    int solid = 0;
    int partial = 0;
    for (COLORREF pixel : canvas.Pixels()) {
        // Red over white: red stays full, green and blue fall together with coverage.
        ASSERT_EQ(GetRValue(pixel), 255);
        ASSERT_EQ(GetGValue(pixel), GetBValue(pixel));
        solid += pixel == RGB(255, 0, 0);
        partial += GetGValue(pixel) > 0 && GetGValue(pixel) < 255;
    }
    EXPECT_GT(solid, 50);
    EXPECT_GT(partial, 0) << "edges are antialiased";
}

TEST_F(DrawTextTest, ChineseTextDrawsInk)
{
    ScopedFont chinese(u"仿宋_GB2312", -16, FW_NORMAL, GB2312_CHARSET);
    for (HFONT font : {font_.get(), chinese.get()}) {
        Canvas canvas(100, 30, font);
        RECT rect = {0, 0, 100, 30};
        DrawTextW(canvas.dc(), u"导航", -1, &rect, DT_SINGLELINE);
        RECT ink = canvas.Ink();
        ASSERT_TRUE(HasInk(ink));
        EXPECT_GT(ink.right - ink.left, 20);
        EXPECT_GT(ink.bottom - ink.top, 10);
    }
}

TEST_F(DrawTextTest, RespectsTheCountAndTheDCClip)
{
    Canvas one(60, 30, font_.get());
    Canvas two(60, 30, font_.get());
    RECT rect = {0, 0, 60, 30};
    DrawTextW(one.dc(), u"AB", 1, &rect, DT_SINGLELINE);
    DrawTextW(two.dc(), u"A", -1, &rect, DT_SINGLELINE);
    EXPECT_EQ(one.Pixels(), two.Pixels());

    two.Clear();
    IntersectClipRect(two.dc(), 0, 0, 5, 30);
    DrawTextW(two.dc(), u"WWW", -1, &rect, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_LE(two.Ink().right, 5);
}

TEST_F(DrawTextTest, BadArgumentsDrawNothing)
{
    Canvas canvas(50, 30, font_.get());
    RECT rect = {0, 0, 50, 30};
    EXPECT_EQ(DrawTextW(canvas.dc(), nullptr, 3, &rect, 0), 0);
    EXPECT_EQ(DrawTextW(canvas.dc(), u"abc", 3, nullptr, 0), 0);
    EXPECT_EQ(DrawTextW(canvas.dc(), u"abc", -2, &rect, 0), 0);
    EXPECT_FALSE(HasInk(canvas.Ink()));

    // An empty or inverted rectangle clips everything away but still measures the text.
    for (RECT empty : {RECT{10, 10, 10, 10}, RECT{40, 20, 10, 5}}) {
        EXPECT_EQ(DrawTextW(canvas.dc(), u"abc", -1, &empty, DT_SINGLELINE), LineHeight(canvas.dc()));
    }
    EXPECT_FALSE(HasInk(canvas.Ink()));
}

TEST_F(DrawTextTest, LongTextWrapsAndClipsWithoutTrouble)
{
    Canvas canvas(200, 100, font_.get());
    std::u16string text = Repeat(u"word ", 4000) + Repeat(u"x", 12000);
    RECT rect = {0, 0, 200, 100};
    int height = DrawTextW(canvas.dc(), text.c_str(), int(text.size()), &rect, DT_WORDBREAK);
    EXPECT_GT(height, 100 * LineHeight(canvas.dc()));
    EXPECT_LE(canvas.Ink().bottom, 100);
    RECT line = {0, 0, 200, 20};
    EXPECT_EQ(DrawTextW(canvas.dc(), text.c_str(), -1, &line, DT_SINGLELINE | DT_CENTER), LineHeight(canvas.dc()));
}

}  // namespace
