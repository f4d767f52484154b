// ExtTextOutW: the reference point, opaque rectangles, clipping and caller-given spacing.
#include <climits>

#include "text/text_fixture.h"

namespace {

class ExtTextOutTest : public TextTest {
protected:
    ScopedFont font_{u"Tahoma", -16};
};

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

TEST_F(ExtTextOutTest, OpaqueModeFillsTheCellOpaqueOptionTheRectangle)
{
    Canvas canvas(100, 40, kPaper, font_.get());
    const LONG line = Metrics(canvas.dc()).tmHeight;
    SetBkColor(canvas.dc(), kGreen);
    ExtTextOutW(canvas.dc(), 10, 5, 0, nullptr, u"..", 2, nullptr);
    EXPECT_EQ(canvas.Row(5 + line - 1, 10, 11), Colors{kGreen});
    EXPECT_EQ(canvas.Row(5 + line, 10, 11), Colors{kPaper});

    canvas.Clear();
    SetBkMode(canvas.dc(), TRANSPARENT);
    RECT box = {50, 20, 90, 38};
    ASSERT_TRUE(ExtTextOutW(canvas.dc(), 0, 0, ETO_OPAQUE, &box, nullptr, 0, nullptr));
    RECT ink = canvas.Ink();
    EXPECT_TRUE(EqualRect(&ink, &box)) << "the rectangle only: transparent mode leaves the cell alone";
}

TEST_F(ExtTextOutTest, TheRectangleClipsOnlyWhenAsked)
{
    Canvas canvas(150, 30, kPaper, font_.get());
    SetBkMode(canvas.dc(), TRANSPARENT);
    RECT clip = {0, 0, 30, 30};
    ExtTextOutW(canvas.dc(), 0, 0, ETO_CLIPPED, &clip, u"WWWWWW", 6, nullptr);
    EXPECT_LE(canvas.Ink().right, 30);
    canvas.Clear();
    ExtTextOutW(canvas.dc(), 0, 0, 0, &clip, u"WWWWWW", 6, nullptr);
    EXPECT_GT(canvas.Ink().right, 30);
}

TEST_F(ExtTextOutTest, ImpossibleCountsAndFarOriginsAreHarmless)
{
    Canvas canvas(50, 30, kPaper, font_.get());
    EXPECT_FALSE(ExtTextOutW(canvas.dc(), 0, 0, 0, nullptr, nullptr, 2, nullptr));
    EXPECT_FALSE(ExtTextOutW(canvas.dc(), 0, 0, 0, nullptr, u"ab", UINT(-1), nullptr));
    EXPECT_FALSE(ExtTextOutW(canvas.dc(), 0, 0, 0, nullptr, u"ab", UINT(INT_MAX) + 1, nullptr));
    EXPECT_TRUE(ExtTextOutW(canvas.dc(), 0, 0, 0, nullptr, u"ab", 0, nullptr));
    EXPECT_FALSE(HasInk(canvas.Ink()));

    std::u16string text = Repeat(u"far ", 3000);
    for (int origin : {INT_MIN, -100000, 100000, INT_MAX}) {
        EXPECT_TRUE(ExtTextOutW(canvas.dc(), origin, origin, ETO_OPAQUE, nullptr, text.c_str(), UINT(text.size()), nullptr));
        EXPECT_TRUE(ExtTextOutW(canvas.dc(), origin, 0, 0, nullptr, text.c_str(), UINT(text.size()), nullptr));
    }
    EXPECT_TRUE(ExtTextOutW(canvas.dc(), -40000, 5, 0, nullptr, text.c_str(), UINT(text.size()), nullptr));
    EXPECT_TRUE(HasInk(canvas.Ink())) << "a long line that starts far to the left still reaches the bitmap";
}

}  // namespace
