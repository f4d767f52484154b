// ExtTextOutW: the reference point, the background, clipping and caller-given spacing.
#include <algorithm>
#include <climits>

#include "text/text_fixture.h"

namespace {

using ExtTextOutTest = TextTest;

constexpr COLORREF kGreen = RGB(0, 255, 0);

TEST_F(ExtTextOutTest, TextHangsBelowTheReferencePointAtTheCallersSpacing)
{
    Canvas canvas(200, 60, kPaper, font_.get());
    const TEXTMETRICW tm = Metrics(canvas.dc());
    SetBkMode(canvas.dc(), TRANSPARENT);
    ASSERT_TRUE(ExtTextOutW(canvas.dc(), 20, 30, 0, nullptr, u"Hg", 2, nullptr));
    RECT ink = canvas.Ink();
    EXPECT_GE(ink.left, 20);
    EXPECT_GE(ink.top, 30);
    EXPECT_LE(ink.bottom, 30 + tm.tmHeight);
    EXPECT_GT(ink.bottom, 30 + tm.tmAscent) << "the g descends below the baseline";

    canvas.Clear();
    const INT spacing[3] = {40, 40, 40};
    ExtTextOutW(canvas.dc(), 0, 0, 0, nullptr, u"III", 3, spacing);
    ink = canvas.Ink();
    EXPECT_GE(ink.right - ink.left, 80);
    EXPECT_LT(ink.right - ink.left, 80 + 10);
}

// The opaque mode fills the text's cell and nothing more; ETO_OPAQUE fills the rectangle, whatever
// the mode.
TEST_F(ExtTextOutTest, BackgroundFillsTheCellInOpaqueModeAndTheRectangleWhenAsked)
{
    Canvas canvas(100, 40, kPaper, font_.get());
    SetBkColor(canvas.dc(), kGreen);
    ExtTextOutW(canvas.dc(), 10, 5, 0, nullptr, u"i i", 3, nullptr);
    const RECT cell = {10, 5, 10 + Extent(canvas.dc(), u"i i").cx, 5 + Metrics(canvas.dc()).tmHeight};
    RECT ink = canvas.Ink();
    EXPECT_TRUE(EqualRect(&ink, &cell));
    EXPECT_EQ(canvas.At(cell.left, cell.top), kGreen);
    EXPECT_EQ(canvas.At(cell.right - 1, cell.bottom - 1), kGreen);

    canvas.Clear();
    SetBkMode(canvas.dc(), TRANSPARENT);
    RECT box = {50, 20, 90, 38};
    ASSERT_TRUE(ExtTextOutW(canvas.dc(), 0, 0, ETO_OPAQUE, &box, u"i i", 3, nullptr));
    Colors pixels = canvas.Pixels();
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), kGreen), 40 * 18) << "the rectangle, not the cell";
}

// Both drawing functions stop at their rectangle (x 10 to 60) only when asked, and always at the
// DC's clip; the figures are where the ink may end.
TEST_F(ExtTextOutTest, ClipsAtTheRectangleWhenAskedAndAlwaysAtTheDCsClip)
{
    struct Row {
        const char* name;
        bool extTextOut;
        UINT flags;
        int dcClipRight;
        LONG inkRightMin, inkRightMax;
    };
    const Row rows[] = {
        {"DrawTextW", false, DT_SINGLELINE, 200, 50, 60},     {"DT_NOCLIP", false, DT_SINGLELINE | DT_NOCLIP, 200, 90, 200},
        {"DC clip", false, DT_SINGLELINE | DT_NOCLIP, 15, 11, 15}, {"ETO_CLIPPED", true, ETO_CLIPPED, 200, 50, 60},
        {"ExtTextOutW", true, 0, 200, 90, 200},
    };
    for (const Row& row : rows) {
        Canvas canvas(200, 40, kPaper, font_.get());
        IntersectClipRect(canvas.dc(), 0, 0, row.dcClipRight, 40);
        RECT rect = {10, 5, 60, 35};
        if (row.extTextOut) ExtTextOutW(canvas.dc(), 10, 5, row.flags, &rect, u"A long street", 13, nullptr);
        else DrawTextW(canvas.dc(), u"A long street", -1, &rect, row.flags);
        const LONG right = canvas.Ink().right;
        EXPECT_TRUE(right >= row.inkRightMin && right <= row.inkRightMax) << row.name << ": ink ends at " << right;
    }
}

TEST_F(ExtTextOutTest, FarOriginsAreHarmless)
{
    Canvas canvas(50, 30, kPaper, font_.get());
    std::u16string text = Repeat(u"far ", 3000);
    for (int origin : {INT_MIN, -100000, 100000, INT_MAX}) {
        EXPECT_TRUE(ExtTextOutW(canvas.dc(), origin, origin, ETO_OPAQUE, nullptr, text.c_str(), UINT(text.size()), nullptr));
        EXPECT_TRUE(ExtTextOutW(canvas.dc(), origin, 0, 0, nullptr, text.c_str(), UINT(text.size()), nullptr));
    }
    EXPECT_FALSE(HasInk(canvas.Ink()));
    EXPECT_TRUE(ExtTextOutW(canvas.dc(), -40000, 5, 0, nullptr, text.c_str(), UINT(text.size()), nullptr));
    EXPECT_TRUE(HasInk(canvas.Ink())) << "a long line that starts far to the left still reaches the bitmap";
}

}  // namespace
