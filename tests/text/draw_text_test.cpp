// DrawTextW: placement, alignment, clipping, line breaking, prefixes and colours.
#include <algorithm>

#include "text/text_fixture.h"

namespace {

class DrawTextTest : public TextTest {
protected:
    ScopedFont font_{u"Tahoma", -16};
};

// The ink lies in the cell the flags name, and the result is the cell's bottom counted from the
// rectangle's top (for several lines: their height, vertical alignment being for single lines).
TEST_F(DrawTextTest, PlacementInTheRectangle)
{
    Canvas canvas(200, 100, kPaper, font_.get());
    SetBkMode(canvas.dc(), TRANSPARENT);
    const RECT rect = {10, 10, 190, 90};
    const LONG line = Metrics(canvas.dc()).tmHeight, width = Extent(canvas.dc(), u"HUH").cx;
    const LONG centreX = (rect.left + rect.right - width) / 2, centreY = (rect.top + rect.bottom - line) / 2;
    struct Row {
        const char* name;
        UINT flags;
        LONG left, top;
    };
    const Row rows[] = {
        {"left top", DT_SINGLELINE, rect.left, rect.top},
        {"centred", DT_SINGLELINE | DT_CENTER | DT_VCENTER, centreX, centreY},
        {"right bottom", DT_SINGLELINE | DT_RIGHT | DT_BOTTOM, rect.right - width, rect.bottom - line},
        {"several lines", DT_CENTER | DT_VCENTER, centreX, rect.top},
    };
    for (const Row& row : rows) {
        canvas.Clear();
        RECT given = rect;
        EXPECT_EQ(DrawTextW(canvas.dc(), u"HUH", -1, &given, row.flags), row.top + line - rect.top) << row.name;
        RECT ink = canvas.Ink();
        EXPECT_GE(ink.left, row.left) << row.name;
        EXPECT_LE(ink.left, row.left + 3) << row.name;
        EXPECT_LE(ink.right, row.left + width + 1) << row.name;
        EXPECT_GE(ink.right, row.left + width - 3) << row.name;
        EXPECT_GE(ink.top, row.top) << row.name;
        EXPECT_LE(ink.bottom, row.top + line) << row.name;
    }
}

TEST_F(DrawTextTest, ClipsAtTheRectangleUnlessNoClipButAlwaysAtTheDCClip)
{
    Canvas canvas(200, 40, kPaper, font_.get());
    RECT rect = {10, 5, 60, 35};
    const char16_t* street = u"A rather long street name";
    DrawTextW(canvas.dc(), street, -1, &rect, DT_SINGLELINE);
    EXPECT_LE(canvas.Ink().right, rect.right);
    canvas.Clear();
    DrawTextW(canvas.dc(), street, -1, &rect, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(canvas.Ink().right, rect.right + 50);
    canvas.Clear();
    IntersectClipRect(canvas.dc(), 0, 0, 15, 40);
    DrawTextW(canvas.dc(), street, -1, &rect, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_LE(canvas.Ink().right, 15);
}

TEST_F(DrawTextTest, CalcRectMeasuresWithoutDrawing)
{
    Canvas canvas(200, 100, kPaper, font_.get());
    const int line = Metrics(canvas.dc()).tmHeight;
    RECT rect = {5, 7, 6, 8};
    EXPECT_EQ(DrawTextW(canvas.dc(), u"Settings", -1, &rect, DT_SINGLELINE | DT_CALCRECT), line);
    const RECT fitted = {5, 7, 5 + Extent(canvas.dc(), u"Settings").cx, 7 + line};
    EXPECT_TRUE(EqualRect(&rect, &fitted));
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
    Canvas canvas(120, 200, kPaper, font_.get());
    SetBkMode(canvas.dc(), TRANSPARENT);
    const char16_t* text = u"turn left onto the main road";
    const int line = Metrics(canvas.dc()).tmHeight, width = Extent(canvas.dc(), u"turn left on").cx;
    RECT measured = {0, 0, width, 0};
    int height = DrawTextW(canvas.dc(), text, -1, &measured, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_GE(height, 3 * line);
    EXPECT_LE(measured.right, width);
    RECT rect = {0, 0, width, 200};
    EXPECT_EQ(DrawTextW(canvas.dc(), text, -1, &rect, DT_WORDBREAK), height);
    EXPECT_LE(canvas.Ink().right, width);
    EXPECT_GT(canvas.Ink().bottom, 2 * line);
    RECT single = {0, 0, width, 0};
    EXPECT_EQ(DrawTextW(canvas.dc(), text, -1, &single, DT_WORDBREAK | DT_SINGLELINE | DT_CALCRECT), line);

    std::u16string huge = Repeat(u"word ", 4000) + Repeat(u"x", 12000);
    RECT box = {0, 0, 120, 100};
    canvas.Clear();
    EXPECT_GT(DrawTextW(canvas.dc(), huge.c_str(), int(huge.size()), &box, DT_WORDBREAK), 100 * line);
    EXPECT_LE(canvas.Ink().bottom, 100);
    EXPECT_EQ(DrawTextW(canvas.dc(), huge.c_str(), -1, &box, DT_SINGLELINE | DT_CENTER), line);
}

TEST_F(DrawTextTest, LinesSplitAtLineBreaksUnlessSingleLine)
{
    Canvas canvas(100, 60, kPaper, font_.get()), joined(100, 60, kPaper, font_.get());
    const int line = Metrics(canvas.dc()).tmHeight;
    RECT rect = {0, 0, 100, 60};
    EXPECT_EQ(DrawTextW(canvas.dc(), u"HH\r\nHH", -1, &rect, 0), 2 * line);
    EXPECT_TRUE(HasInk(canvas.InkWithin({0, line, 100, 2 * line})));

    canvas.Clear();
    EXPECT_EQ(DrawTextW(canvas.dc(), u"HH\r\nHH", -1, &rect, DT_SINGLELINE | DT_NOCLIP), line);
    DrawTextW(joined.dc(), u"HHHH", -1, &rect, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_EQ(canvas.Pixels(), joined.Pixels()) << "line breaks are invisible in a single line";
    canvas.Clear();
    joined.Clear();
    DrawTextW(canvas.dc(), u"AB", 1, &rect, DT_SINGLELINE);
    DrawTextW(joined.dc(), u"A", -1, &rect, DT_SINGLELINE);
    EXPECT_EQ(canvas.Pixels(), joined.Pixels()) << "only `count` characters";
}

TEST_F(DrawTextTest, PrefixesHideTheAmpersandAndUnderline)
{
    Canvas plain(100, 30, kPaper, font_.get()), prefixed(100, 30, kPaper, font_.get());
    RECT rect = {2, 2, 100, 30};
    DrawTextW(plain.dc(), u"MEN", -1, &rect, DT_SINGLELINE);
    DrawTextW(prefixed.dc(), u"&MEN", -1, &rect, DT_SINGLELINE);
    RECT plainInk = plain.Ink(), prefixedInk = prefixed.Ink();
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
    constexpr COLORREF kBlue = RGB(0, 0, 255);
    Canvas canvas(100, 30, kPaper, font_.get());
    SetBkColor(canvas.dc(), kBlue);
    RECT rect = {0, 0, 100, 30};
    DrawTextW(canvas.dc(), u"i i", -1, &rect, DT_SINGLELINE);
    const int width = Extent(canvas.dc(), u"i i").cx;
    EXPECT_EQ(canvas.At(0, 0), kBlue);
    EXPECT_EQ(canvas.At(width - 1, Metrics(canvas.dc()).tmHeight - 1), kBlue);
    EXPECT_EQ(canvas.At(width + 1, 0), kPaper) << "only the text's cell";

    canvas.Clear();
    SetBkMode(canvas.dc(), TRANSPARENT);
    DrawTextW(canvas.dc(), u"i i", -1, &rect, DT_SINGLELINE);
    Colors pixels = canvas.Pixels();
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), kBlue), 0);
}

TEST_F(DrawTextTest, InkIsTheTextColourBlendedOverTheBackground)
{
    ScopedFont large(u"Tahoma", -32);
    Canvas canvas(120, 50, kPaper, large.get());
    SetBkMode(canvas.dc(), TRANSPARENT);
    SetTextColor(canvas.dc(), RGB(255, 0, 0));
    RECT rect = {0, 0, 120, 50};
    DrawTextW(canvas.dc(), u"HEL", -1, &rect, DT_SINGLELINE);
    int solid = 0, partial = 0;
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
        Canvas canvas(100, 30, kPaper, font);
        RECT rect = {0, 0, 100, 30};
        DrawTextW(canvas.dc(), u"导航", -1, &rect, DT_SINGLELINE);
        RECT ink = canvas.Ink();
        EXPECT_GT(ink.right - ink.left, 20);
        EXPECT_GT(ink.bottom - ink.top, 10);
    }
}

TEST_F(DrawTextTest, BadArgumentsDrawNothing)
{
    Canvas canvas(50, 30, kPaper, font_.get());
    RECT rect = {0, 0, 50, 30};
    EXPECT_EQ(DrawTextW(canvas.dc(), nullptr, 3, &rect, 0), 0);
    EXPECT_EQ(DrawTextW(canvas.dc(), u"abc", 3, nullptr, 0), 0);
    EXPECT_EQ(DrawTextW(canvas.dc(), u"abc", -2, &rect, 0), 0);
    // An empty or inverted rectangle clips everything away but still measures the text.
    for (RECT empty : {RECT{10, 10, 10, 10}, RECT{40, 20, 10, 5}})
        EXPECT_EQ(DrawTextW(canvas.dc(), u"abc", -1, &empty, DT_SINGLELINE), Metrics(canvas.dc()).tmHeight);
    EXPECT_FALSE(HasInk(canvas.Ink()));
}

}  // namespace
