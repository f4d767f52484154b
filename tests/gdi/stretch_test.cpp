// StretchBlt: nearest sampling in the colour modes, filtering in HALFTONE, clipping and bad input.
#include "gdi/canvas.h"

namespace {

using StretchTest = HostTest;
using Colors = std::vector<COLORREF>;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGrey = RGB(9, 9, 9);

// A one-row canvas holding `colors`.
void Paint(const Canvas& canvas, const Colors& colors, int y = 0)
{
    for (size_t i = 0; i < colors.size(); i++) SetPixel(canvas.dc(), int(i), y, colors[i]);
}

TEST_F(StretchTest, NearestEnlargesByWholeFactorsAndShrinksToPixelCentres)
{
    Canvas source(6, 1), target(12, 1, kGrey);
    Paint(source, {kRed, kGreen, kBlue, RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3)});
    SetStretchBltMode(target.dc(), COLORONCOLOR);

    ASSERT_TRUE(StretchBlt(target.dc(), 0, 0, 6, 1, source.dc(), 0, 0, 3, 1, SRCCOPY));
    EXPECT_EQ(target.Row(0, 0, 7), (Colors{kRed, kRed, kGreen, kGreen, kBlue, kBlue, kGrey}));

    ASSERT_TRUE(StretchBlt(target.dc(), 0, 0, 6, 1, source.dc(), 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(target.Row(0, 0, 6), (Colors{kRed, kRed, kRed, kGreen, kGreen, kGreen}));

    // Six pixels into two: the centres 1.5 and 4.5 fall on source pixels 1 and 4.
    ASSERT_TRUE(StretchBlt(target.dc(), 0, 0, 2, 1, source.dc(), 0, 0, 6, 1, SRCCOPY));
    EXPECT_EQ(target.Row(0, 0, 2), (Colors{kGreen, RGB(2, 2, 2)}));
    // Three into two: centres 0.75 and 2.25.
    ASSERT_TRUE(StretchBlt(target.dc(), 0, 0, 2, 1, source.dc(), 0, 0, 3, 1, SRCCOPY));
    EXPECT_EQ(target.Row(0, 0, 2), (Colors{kRed, kBlue}));
}

TEST_F(StretchTest, NearestScalesBothAxesAndEveryColourModeSamplesAlike)
{
    Canvas source(2, 2), target(4, 4, kGrey);
    Paint(source, {kRed, kGreen}, 0);
    Paint(source, {kBlue, RGB(7, 7, 7)}, 1);
    for (int mode : {BLACKONWHITE, WHITEONBLACK, COLORONCOLOR}) {
        target.Fill(kGrey);
        SetStretchBltMode(target.dc(), mode);
        ASSERT_TRUE(StretchBlt(target.dc(), 0, 0, 4, 4, source.dc(), 0, 0, 2, 2, SRCCOPY));
        EXPECT_EQ(target.Row(1, 0, 4), (Colors{kRed, kRed, kGreen, kGreen})) << mode;
        EXPECT_EQ(target.Row(2, 0, 4), (Colors{kBlue, kBlue, RGB(7, 7, 7), RGB(7, 7, 7)})) << mode;
    }
}

TEST_F(StretchTest, NegativeExtentsMirror)
{
    Canvas source(3, 1), target(6, 1, kGrey);
    Paint(source, {kRed, kGreen, kBlue});
    // A negative width runs left from x: the destination is [0, 6).
    ASSERT_TRUE(StretchBlt(target.dc(), 6, 0, -6, 1, source.dc(), 0, 0, 3, 1, SRCCOPY));
    EXPECT_EQ(target.Row(0, 0, 6), (Colors{kBlue, kBlue, kGreen, kGreen, kRed, kRed}));
    // Both negative: no mirror.
    ASSERT_TRUE(StretchBlt(target.dc(), 3, 0, -3, 1, source.dc(), 3, 0, -3, 1, SRCCOPY));
    EXPECT_EQ(target.Row(0, 0, 3), (Colors{kRed, kGreen, kBlue}));
}

TEST_F(StretchTest, HalftoneEnlargesSmoothlyAndCopiesOneToOneExactly)
{
    Canvas source(2, 1), target(8, 2, kGrey);
    Paint(source, {RGB(0, 0, 0), RGB(255, 255, 255)});
    EXPECT_EQ(SetStretchBltMode(target.dc(), HALFTONE), BLACKONWHITE);
    ASSERT_TRUE(StretchBlt(target.dc(), 0, 0, 8, 1, source.dc(), 0, 0, 2, 1, SRCCOPY));
    Colors row = target.Row(0, 0, 8);
    EXPECT_EQ(row.front(), RGB(0, 0, 0)) << "edges are padded, not darkened or lightened";
    EXPECT_EQ(row.back(), RGB(255, 255, 255));
    int steps = 0;
    for (size_t i = 1; i < row.size(); i++) {
        EXPECT_GE(GetRValue(row[i]), GetRValue(row[i - 1])) << i;
        EXPECT_EQ(GetRValue(row[i]), GetBValue(row[i])) << "grey stays grey";
        steps += GetRValue(row[i]) != GetRValue(row[i - 1]);
    }
    EXPECT_GE(steps, 4) << "a ramp, not a step";

    Canvas pattern(3, 1);
    Paint(pattern, {kRed, RGB(12, 34, 56), kBlue});
    ASSERT_TRUE(StretchBlt(target.dc(), 0, 1, 3, 1, pattern.dc(), 0, 0, 3, 1, SRCCOPY));
    EXPECT_EQ(target.Row(1, 0, 3), (Colors{kRed, RGB(12, 34, 56), kBlue}));
}

TEST_F(StretchTest, HalftoneShrinkAveragesWhereNearestPicksOnePixel)
{
    Canvas source(4, 2), target(2, 1);
    Paint(source, {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255)}, 0);
    Paint(source, {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255)}, 1);
    SetStretchBltMode(target.dc(), HALFTONE);
    ASSERT_TRUE(StretchBlt(target.dc(), 0, 0, 2, 1, source.dc(), 0, 0, 4, 2, SRCCOPY));
    for (COLORREF c : target.Row(0, 0, 2)) EXPECT_NEAR(GetRValue(c), 128, 3);

    SetStretchBltMode(target.dc(), COLORONCOLOR);
    ASSERT_TRUE(StretchBlt(target.dc(), 0, 0, 2, 1, source.dc(), 0, 0, 4, 2, SRCCOPY));
    EXPECT_EQ(target.Row(0, 0, 2), (Colors{RGB(255, 255, 255), RGB(255, 255, 255)}));
}

TEST_F(StretchTest, HalftoneShrinkingOneAxisLeavesTheOtherSharp)
{
    // A frame's side strip: columns copied one to one while its height shrinks.
    Canvas source(3, 8), target(3, 3, kGrey);
    for (int y = 0; y < 8; y++) Paint(source, {kRed, RGB(12, 34, 56), kBlue}, y);
    SetStretchBltMode(target.dc(), HALFTONE);
    ASSERT_TRUE(StretchBlt(target.dc(), 0, 0, 3, 3, source.dc(), 0, 0, 3, 8, SRCCOPY));
    for (int y = 0; y < 3; y++) EXPECT_EQ(target.Row(y, 0, 3), (Colors{kRed, RGB(12, 34, 56), kBlue})) << y;
}

TEST_F(StretchTest, HalftoneReadsOnlyInsideTheSourceRectangle)
{
    // The middle of a nine-part frame stretched: its neighbours must not bleed in.
    Canvas source(3, 3, kRed), target(9, 9, kGrey);
    SetPixel(source.dc(), 1, 1, kGreen);
    SetStretchBltMode(target.dc(), HALFTONE);
    ASSERT_TRUE(StretchBlt(target.dc(), 2, 2, 5, 5, source.dc(), 1, 1, 1, 1, SRCCOPY));
    for (int y = 2; y < 7; y++) EXPECT_EQ(target.Row(y, 2, 7), Colors(5, kGreen)) << y;
    EXPECT_EQ(GetPixel(target.dc(), 1, 1), kGrey);
    EXPECT_EQ(GetPixel(target.dc(), 7, 7), kGrey);
}

TEST_F(StretchTest, SourceOutsideItsBitmapLeavesThoseDestinationPixelsAlone)
{
    Canvas source(2, 1), target(10, 1, kGrey);
    Paint(source, {kRed, kGreen});
    for (int mode : {COLORONCOLOR, HALFTONE}) {
        target.Fill(kGrey);
        SetStretchBltMode(target.dc(), mode);
        ASSERT_TRUE(StretchBlt(target.dc(), 0, 0, 8, 1, source.dc(), 0, 0, 4, 1, SRCCOPY));
        Colors row = target.Row(0, 0, 9);
        EXPECT_EQ(row[0], kRed) << mode;
        EXPECT_EQ(row[3], kGreen) << mode;
        EXPECT_EQ(Colors(row.begin() + 4, row.end()), Colors(5, kGrey)) << mode;
    }
}

TEST_F(StretchTest, StretchWithinOneBitmapReadsTheSourceBeforeOverwritingIt)
{
    Canvas canvas(4, 1);
    Paint(canvas, {kRed, kGreen, kBlue, kGrey});
    for (int mode : {COLORONCOLOR, HALFTONE}) {
        Paint(canvas, {kRed, kGreen, kBlue, kGrey});
        SetStretchBltMode(canvas.dc(), mode);
        ASSERT_TRUE(StretchBlt(canvas.dc(), 0, 0, 4, 1, canvas.dc(), 0, 0, 2, 1, SRCCOPY));
        Colors row = canvas.Row(0, 0, 4);
        EXPECT_EQ(row[0], kRed) << mode;
        EXPECT_EQ(row[3], kGreen) << mode;
    }
}

TEST_F(StretchTest, DestinationFollowsViewportOriginAndClip)
{
    Canvas source(1, 1, kRed), target(10, 1, kGrey);
    SetViewportOrgEx(target.dc(), 2, 0, nullptr);
    IntersectClipRect(target.dc(), 0, 0, 4, 1);  // logical: image columns 2..5
    ASSERT_TRUE(StretchBlt(target.dc(), -2, 0, 10, 1, source.dc(), 0, 0, 1, 1, SRCCOPY));
    SetViewportOrgEx(target.dc(), 0, 0, nullptr);
    EXPECT_EQ(target.Row(0, 0, 10), (Colors{kGrey, kGrey, kRed, kRed, kRed, kRed, kGrey, kGrey, kGrey, kGrey}));

    Canvas shifted(3, 1);
    Paint(shifted, {kRed, kGreen, kBlue});
    SetViewportOrgEx(shifted.dc(), -1, 0, nullptr);  // logical 1 reads image column 0
    Canvas out(2, 1, kGrey);
    ASSERT_TRUE(StretchBlt(out.dc(), 0, 0, 2, 1, shifted.dc(), 1, 0, 1, 1, SRCCOPY));
    EXPECT_EQ(out.Row(0, 0, 2), (Colors{kRed, kRed}));
}

TEST_F(StretchTest, BadInputIsRefusedAndDrawsNothing)
{
    Canvas source(2, 2, kRed), target(4, 4, kGrey);
    HDC stale = CreateCompatibleDC(nullptr);
    DeleteDC(stale);
    EXPECT_FALSE(StretchBlt(target.dc(), 0, 0, 4, 4, nullptr, 0, 0, 2, 2, SRCCOPY));
    EXPECT_FALSE(StretchBlt(target.dc(), 0, 0, 4, 4, stale, 0, 0, 2, 2, SRCCOPY));
    EXPECT_FALSE(StretchBlt(stale, 0, 0, 4, 4, source.dc(), 0, 0, 2, 2, SRCCOPY));
    EXPECT_FALSE(StretchBlt(target.dc(), 0, 0, 1 << 30, 4, source.dc(), 0, 0, 2, 2, SRCCOPY)) << "absurd extent";
    EXPECT_FALSE(StretchBlt(target.dc(), 0, 0, 4, 4, source.dc(), 0, 0, 2, 2, SRCAND)) << "unsupported rop";
    EXPECT_TRUE(StretchBlt(target.dc(), 0, 0, 0, 4, source.dc(), 0, 0, 2, 2, SRCCOPY)) << "nothing to do";
    EXPECT_TRUE(StretchBlt(target.dc(), 0, 0, 4, 4, source.dc(), 0, 0, 2, 0, SRCCOPY));
    for (int y = 0; y < 4; y++) EXPECT_EQ(target.Row(y, 0, 4), Colors(4, kGrey));

    EXPECT_TRUE(StretchBlt(target.dc(), 0, 0, 2, 2, source.dc(), 0, 0, 2, 2, BLACKNESS)) << "rops without a source";
    EXPECT_EQ(GetPixel(target.dc(), 1, 1), RGB(0, 0, 0));
}

}  // namespace
