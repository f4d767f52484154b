// ExtTextOutW: the reference point, opaque rectangles, clipping and caller-given spacing.
#include <climits>

#include "text/text_fixture.h"

namespace {

class ExtTextOutTest : public TextTest {
protected:
    ScopedFont font_{u"Tahoma", -16};
};

TEST_F(ExtTextOutTest, TextHangsBelowTheReferencePoint)
{
    Canvas canvas(100, 60, font_.get());
    TEXTMETRICW tm = {};
    GetTextMetricsW(canvas.dc(), &tm);
    SetBkMode(canvas.dc(), TRANSPARENT);
    ASSERT_TRUE(ExtTextOutW(canvas.dc(), 20, 30, 0, nullptr, u"Hg", 2, nullptr));
    RECT ink = canvas.Ink();
    ASSERT_TRUE(HasInk(ink));
    EXPECT_GE(ink.top, 30);
    EXPECT_LE(ink.bottom, 30 + tm.tmHeight);
    EXPECT_GT(ink.bottom, 30 + tm.tmAscent) << "the g descends below the baseline";
    EXPECT_GE(ink.left, 20);
}

TEST_F(ExtTextOutTest, OpaqueModeFillsTheCellOpaqueOptionTheRectangle)
{
    Canvas canvas(100, 40, font_.get());
    TEXTMETRICW tm = {};
    GetTextMetricsW(canvas.dc(), &tm);
    SetBkColor(canvas.dc(), RGB(0, 255, 0));
    ExtTextOutW(canvas.dc(), 10, 5, 0, nullptr, u"..", 2, nullptr);
    EXPECT_EQ(canvas.At(10, 5), RGB(0, 255, 0));
    EXPECT_EQ(canvas.At(10, 5 + tm.tmHeight - 1), RGB(0, 255, 0));
    EXPECT_EQ(canvas.At(10, 5 + tm.tmHeight), RGB(255, 255, 255));

    canvas.Clear();
    SetBkMode(canvas.dc(), TRANSPARENT);
    RECT box = {50, 20, 90, 38};
    ASSERT_TRUE(ExtTextOutW(canvas.dc(), 0, 0, ETO_OPAQUE, &box, nullptr, 0, nullptr));
    EXPECT_EQ(canvas.At(50, 20), RGB(0, 255, 0));
    EXPECT_EQ(canvas.At(89, 37), RGB(0, 255, 0));
    EXPECT_EQ(canvas.At(90, 37), RGB(255, 255, 255));
    EXPECT_EQ(canvas.At(0, 0), RGB(255, 255, 255)) << "transparent mode leaves the cell alone";
}

TEST_F(ExtTextOutTest, ClippedOptionClipsToTheRectangle)
{
    Canvas canvas(150, 30, font_.get());
    SetBkMode(canvas.dc(), TRANSPARENT);
    RECT clip = {0, 0, 30, 30};
    ExtTextOutW(canvas.dc(), 0, 0, ETO_CLIPPED, &clip, u"WWWWWW", 6, nullptr);
    EXPECT_LE(canvas.Ink().right, 30);
    canvas.Clear();
    ExtTextOutW(canvas.dc(), 0, 0, 0, &clip, u"WWWWWW", 6, nullptr);
    EXPECT_GT(canvas.Ink().right, 30) << "the rectangle clips only when asked to";
}

TEST_F(ExtTextOutTest, CallerSpacingReplacesAdvances)
{
    Canvas canvas(200, 30, font_.get());
    SetBkMode(canvas.dc(), TRANSPARENT);
    const INT spacing[3] = {40, 40, 40};
    ExtTextOutW(canvas.dc(), 0, 0, 0, nullptr, u"III", 3, spacing);
    RECT ink = canvas.Ink();
    EXPECT_GE(ink.right - ink.left, 80);
    EXPECT_LT(ink.right - ink.left, 80 + 10);
}

TEST_F(ExtTextOutTest, RejectsImpossibleCounts)
{
    Canvas canvas(50, 30, font_.get());
    EXPECT_FALSE(ExtTextOutW(canvas.dc(), 0, 0, 0, nullptr, nullptr, 2, nullptr));
    EXPECT_FALSE(ExtTextOutW(canvas.dc(), 0, 0, 0, nullptr, u"ab", UINT(-1), nullptr));
    EXPECT_FALSE(ExtTextOutW(canvas.dc(), 0, 0, 0, nullptr, u"ab", UINT(INT_MAX) + 1, nullptr));
    EXPECT_TRUE(ExtTextOutW(canvas.dc(), 0, 0, 0, nullptr, u"ab", 0, nullptr));
    EXPECT_FALSE(HasInk(canvas.Ink()));
}

TEST_F(ExtTextOutTest, DrawingFarOffTheBitmapIsHarmless)
{
    Canvas canvas(50, 30, font_.get());
    std::u16string text = Repeat(u"far ", 3000);
    for (int origin : {INT_MIN, -100000, 100000, INT_MAX}) {
        EXPECT_TRUE(ExtTextOutW(canvas.dc(), origin, origin, ETO_OPAQUE, nullptr, text.c_str(), UINT(text.size()), nullptr));
        EXPECT_TRUE(ExtTextOutW(canvas.dc(), origin, 0, 0, nullptr, text.c_str(), UINT(text.size()), nullptr));
    }
    EXPECT_TRUE(ExtTextOutW(canvas.dc(), -40000, 5, 0, nullptr, text.c_str(), UINT(text.size()), nullptr));
    EXPECT_TRUE(HasInk(canvas.Ink())) << "a long line that starts far to the left still reaches the bitmap";
}

}  // namespace
