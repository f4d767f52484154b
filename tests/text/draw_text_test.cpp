// Drawing text with DrawTextW: placement, measuring, prefixes and clipping.
#include <algorithm>

#include "text/text_fixture.h"

namespace {

using DrawTextTest = TextTest;

// The ink lies in the cell the flags name (glyphs sit up to 3 pixels inside their advances), and
// the result is the cell's bottom counted from the rectangle's top.
TEST_F(DrawTextTest, PlacementInTheRectangle)
{
    Canvas canvas(200, 100, kPaper, font_.get());
    SetBkMode(canvas.dc(), TRANSPARENT);
    const RECT rect = {10, 10, 190, 90};
    const LONG line = Metrics(canvas.dc()).tmHeight, width = Extent(canvas.dc(), u"HUH").cx;
    const LONG centreX = (rect.left + rect.right - width) / 2, centreY = (rect.top + rect.bottom - line) / 2;
    const struct Row {
        const char* name;
        UINT flags;
        LONG left, top;
    } rows[] = {
        {"left top", DT_SINGLELINE, rect.left, rect.top},
        {"centred", DT_SINGLELINE | DT_CENTER | DT_VCENTER, centreX, centreY},
    };
    for (const Row& row : rows) {
        canvas.Clear();
        RECT given = rect;
        EXPECT_EQ(DrawTextW(canvas.dc(), u"HUH", -1, &given, row.flags), row.top + line - rect.top) << row.name;
        const RECT ink = canvas.Ink();
        EXPECT_TRUE(ink.left >= row.left && ink.left <= row.left + 3 && ink.right <= row.left + width + 1 &&
                    ink.right >= row.left + width - 3 && ink.top >= row.top && ink.bottom <= row.top + line)
            << row.name << ": ink " << ink.left << "," << ink.top << "," << ink.right << "," << ink.bottom;
    }
}

// DT_CALCRECT measures without drawing: DT_SINGLELINE joins the lines, "&&" is one ampersand unless
// DT_NOPREFIX, and only the count given is measured.
TEST_F(DrawTextTest, CalcRectMeasuresLinesWithoutDrawing)
{
    Canvas canvas(200, 100, kPaper, font_.get());
    HDC dc = canvas.dc();
    const LONG line = Metrics(dc).tmHeight;
    const struct Row {
        const char16_t* text;
        UINT flags;
        LONG right;
    } rows[] = {
        {u"a\nbb\r\nccc", DT_SINGLELINE, Extent(dc, u"abbccc").cx},
        {u"a&&b", DT_SINGLELINE, Extent(dc, u"a&b").cx},
        {u"a&&b", DT_SINGLELINE | DT_NOPREFIX, Extent(dc, u"a&&b").cx},
    };
    for (const Row& row : rows) {
        RECT rect = {5, 7, 6, 8};
        const int height = DrawTextW(dc, row.text, -1, &rect, row.flags | DT_CALCRECT);
        EXPECT_EQ(Str(rect) + " " + std::to_string(height), Str({5, 7, 5 + row.right, 7 + line}) + " " + std::to_string(line))
            << Utf8(row.text) << " " << row.flags;
    }
    RECT first = {0, 0, 1, 1};
    DrawTextW(dc, u"AB", 1, &first, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(first.right, Extent(dc, u"A").cx) << "only the count given";
    EXPECT_FALSE(HasInk(canvas.Ink()));
}

// No room is made for the ampersand, and the M is underlined, no wider than itself.
TEST_F(DrawTextTest, PrefixHidesTheAmpersandAndUnderlinesTheNextCharacter)
{
    Canvas plain(100, 30, kPaper, font_.get()), prefixed(100, 30, kPaper, font_.get());
    RECT rect = {2, 2, 100, 30};
    DrawTextW(plain.dc(), u"MEN", -1, &rect, DT_SINGLELINE);
    DrawTextW(prefixed.dc(), u"&MEN", -1, &rect, DT_SINGLELINE);
    const RECT plainInk = plain.Ink(), prefixedInk = prefixed.Ink();
    EXPECT_EQ(prefixedInk.right, plainInk.right);
    EXPECT_GT(prefixedInk.bottom, plainInk.bottom);
    const RECT underline = prefixed.InkWithin({0, plainInk.bottom, 100, 30});
    EXPECT_LE(underline.right - underline.left, Extent(plain.dc(), u"M").cx);
}

// DrawTextW stops at its rectangle (x 10 to 60) unless DT_NOCLIP, and always at the DC's clip (x 15);
// the ink ends within 10 pixels of whichever comes first.
TEST_F(DrawTextTest, ClipsAtTheRectangleAndAtTheDCsClip)
{
    for (int dcClipRight : {200, 15}) {
        Canvas canvas(200, 40, kPaper, font_.get());
        IntersectClipRect(canvas.dc(), 0, 0, dcClipRight, 40);
        RECT rect = {10, 5, 60, 35};
        DrawTextW(canvas.dc(), u"A long street", -1, &rect, DT_SINGLELINE | (dcClipRight < 60 ? DT_NOCLIP : 0));
        const LONG right = canvas.Ink().right, limit = std::min(dcClipRight, 60);
        EXPECT_TRUE(right > limit - 10 && right <= limit) << dcClipRight << ": ink ends at " << right;
    }
}

}  // namespace
