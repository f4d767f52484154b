// DrawTextW: placement, clipping, measuring, line breaking, prefixes and colours.
#include "text/text_fixture.h"

namespace {

using DrawTextTest = TextTest;

// The ink lies in the cell the flags name (glyphs sit up to 3 pixels inside their advances), and
// the result is the cell's bottom counted from the rectangle's top (for several lines: their
// height, vertical alignment being for single lines).
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
        const RECT ink = canvas.Ink();
        EXPECT_GE(ink.left, row.left) << row.name;
        EXPECT_LE(ink.left, row.left + 3) << row.name;
        EXPECT_LE(ink.right, row.left + width + 1) << row.name;
        EXPECT_GE(ink.right, row.left + width - 3) << row.name;
        EXPECT_GE(ink.top, row.top) << row.name;
        EXPECT_LE(ink.bottom, row.top + line) << row.name;
    }
}

// DT_CALCRECT fits the rectangle to the widest line and every line's height and draws nothing; a
// break is "\n" or "\r\n", DT_SINGLELINE joins the lines, and "&&" is one ampersand unless DT_NOPREFIX.
TEST_F(DrawTextTest, CalcRectMeasuresLinesWithoutDrawing)
{
    Canvas canvas(200, 100, kPaper, font_.get());
    const LONG line = Metrics(canvas.dc()).tmHeight;
    struct Row {
        const char16_t* text;
        UINT flags;
        RECT fitted;
    };
    const Row rows[] = {
        {u"Settings", DT_SINGLELINE, {5, 7, 5 + Extent(canvas.dc(), u"Settings").cx, 7 + line}},
        {u"a\nbb\r\nccc", 0, {5, 7, 5 + Extent(canvas.dc(), u"ccc").cx, 7 + 3 * line}},
        {u"a\nbb\r\nccc", DT_SINGLELINE, {5, 7, 5 + Extent(canvas.dc(), u"abbccc").cx, 7 + line}},
        {u"a&&b", DT_SINGLELINE, {5, 7, 5 + Extent(canvas.dc(), u"a&b").cx, 7 + line}},
        {u"a&&b", DT_SINGLELINE | DT_NOPREFIX, {5, 7, 5 + Extent(canvas.dc(), u"a&&b").cx, 7 + line}},
        {u"", 0, {5, 7, 5, 7}},
    };
    for (const Row& row : rows) {
        RECT rect = {5, 7, 6, 8};
        EXPECT_EQ(DrawTextW(canvas.dc(), row.text, -1, &rect, row.flags | DT_CALCRECT), row.fitted.bottom - 7)
            << Utf8(row.text);
        EXPECT_TRUE(EqualRect(&rect, &row.fitted)) << Utf8(row.text) << ": right " << rect.right;
    }
    EXPECT_FALSE(HasInk(canvas.Ink()));
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

// Pictures that must match: line breaks are invisible in a single line, only `count` characters
// are drawn, and "&&" is a literal ampersand.
TEST_F(DrawTextTest, SameTextsDrawTheSamePixels)
{
    struct Row {
        const char16_t* text;
        int count;
        UINT flags;
        const char16_t* same;
        UINT sameFlags;
    };
    const Row rows[] = {
        {u"HH\r\nHH", -1, DT_SINGLELINE | DT_NOCLIP, u"HHHH", DT_SINGLELINE},
        {u"AB", 1, DT_SINGLELINE, u"A", DT_SINGLELINE},
        {u"a&&b", -1, DT_SINGLELINE, u"a&b", DT_SINGLELINE | DT_NOPREFIX},
    };
    for (const Row& row : rows) {
        Canvas canvas(100, 40, kPaper, font_.get()), same(100, 40, kPaper, font_.get());
        RECT rect = {2, 2, 100, 40};
        DrawTextW(canvas.dc(), row.text, row.count, &rect, row.flags);
        DrawTextW(same.dc(), row.same, -1, &rect, row.sameFlags);
        EXPECT_EQ(canvas.Pixels(), same.Pixels()) << Utf8(row.text);
    }
}

TEST_F(DrawTextTest, PrefixHidesTheAmpersandAndUnderlinesTheNextCharacter)
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

}  // namespace
