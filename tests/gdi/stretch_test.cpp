// Scaled copies: StretchBlt (nearest in the colour modes, filtered in HALFTONE) and TransparentImage
// (nearest, leaving the key colour out), with viewports, clipping and absurd sizes.
#include "support/canvas.h"
#include "support/host_fixture.h"

namespace {

using StretchTest = HostTest;

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);
constexpr COLORREF kGrey = RGB(9, 9, 9), kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

TEST_F(StretchTest, NearestSamplesThePixelUnderEachDestinationCentre)
{
    Canvas source(6, 1, kGrey), target(6, 1, kGrey);
    source.Paint(0, {kRed, kGreen, kBlue, RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3)});
    const struct Row {
        const char* name;
        int x, width, srcX, srcWidth;
        Colors expected;  // the target row afterwards, each draw over the one before
    } rows[] = {
        {"doubled", 0, 6, 0, 3, {kRed, kRed, kGreen, kGreen, kBlue, kBlue}},
        {"tripled", 0, 6, 0, 2, {kRed, kRed, kRed, kGreen, kGreen, kGreen}},
        {"centres 1.5 and 4.5", 0, 2, 0, 6, {kGreen, RGB(2, 2, 2), kRed, kGreen, kGreen, kGreen}},
        {"centres 0.75 and 2.25", 0, 2, 0, 3, {kRed, kBlue, kRed, kGreen, kGreen, kGreen}},
        {"mirrored", 6, -6, 0, 3, {kBlue, kBlue, kGreen, kGreen, kRed, kRed}},
        {"both negative: not mirrored", 3, -3, 3, -3, {kRed, kGreen, kBlue, kGreen, kRed, kRed}},
    };
    for (const Row& row : rows) {
        EXPECT_TRUE(StretchBlt(target.dc(), row.x, 0, row.width, 1, source.dc(), row.srcX, 0, row.srcWidth, 1, SRCCOPY));
        EXPECT_EQ(target.Row(0, 0, 6), row.expected) << row.name;
    }
}

// Whole areas: columns one to one or doubled, rows repeated as the height grows (mirrored too),
// and a clip whose hole splits the rows that repeat.
TEST_F(StretchTest, NearestRepeatsRowsAndHonoursEachClipBox)
{
    Canvas source(3, 3, kGrey);
    source.Paint(0, {kRed, kGreen, kBlue});
    source.Paint(1, {kWhite, kBlack, kMagenta});
    source.Paint(2, {RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3)});
    const int grown[7] = {0, 0, 1, 1, 1, 2, 2};  // the source row under each of 7 rows made from 3
    for (int width : {3, 6})
        for (bool mirrored : {false, true}) {
            Canvas target(6, 7, kGrey);
            ExcludeClipRect(target.dc(), 1, 3, 2, 4);
            ASSERT_TRUE(StretchBlt(target.dc(), 0, mirrored ? 7 : 0, width, mirrored ? -7 : 7, source.dc(), 0, 0, 3,
                                   3, SRCCOPY));
            for (int y = 0; y < 7; y++)
                for (int x = 0; x < 6; x++) {
                    const bool drawn = x < width && !(x == 1 && y == 3);
                    const COLORREF expected =
                        drawn ? source.At(x * 3 / width, grown[mirrored ? 6 - y : y]) : kGrey;
                    EXPECT_EQ(target.At(x, y), expected) << width << (mirrored ? " mirrored " : " ") << x << "," << y;
                }
        }
}

// Edges padded, not faded, a ramp between; columns copied one to one while the height shrinks stay
// sharp; rows 4:2 average.
TEST_F(StretchTest, HalftoneIsSmoothExactAtOneToOneAndAveragesWhenShrinking)
{
    Canvas source(4, 8, kGrey), target(8, 3, kGrey);
    source.Paint(0, {kBlack, kWhite});
    SetStretchBltMode(target.dc(), HALFTONE);
    ASSERT_TRUE(StretchBlt(target.dc(), 0, 0, 8, 1, source.dc(), 0, 0, 2, 1, SRCCOPY));
    const Colors ramp = target.Row(0, 0, 8);
    EXPECT_EQ((Colors{ramp.front(), ramp.back()}), (Colors{kBlack, kWhite}));
    for (size_t i = 2; i < 7; i++) EXPECT_GT(GetRValue(ramp[i]), GetRValue(ramp[i - 1])) << i;
    for (int y = 0; y < 8; y++) source.Paint(y, {kRed, RGB(12, 34, 56), kBlue, y % 2 ? kWhite : kBlack});
    ASSERT_TRUE(StretchBlt(target.dc(), 0, 1, 3, 2, source.dc(), 0, 0, 3, 8, SRCCOPY));
    ASSERT_TRUE(StretchBlt(target.dc(), 0, 1, 1, 1, source.dc(), 3, 0, 1, 8, SRCCOPY));
    EXPECT_EQ(target.Row(2, 0, 3), (Colors{kRed, RGB(12, 34, 56), kBlue}));
    EXPECT_NEAR(GetRValue(target.At(0, 1)), 128, 3);
}

TEST_F(StretchTest, SourceIsReadOnlyInsideItsRectangleAndItsBitmapAndBeforeWriting)
{
    // The middle of a nine-part frame stretched with filtering: the frame must not bleed in.
    Canvas source(3, 3, kRed), target(9, 1, kGrey);
    SetPixel(source.dc(), 1, 1, kGreen);
    SetStretchBltMode(target.dc(), HALFTONE);
    ASSERT_TRUE(StretchBlt(target.dc(), 0, 0, 5, 1, source.dc(), 1, 1, 1, 1, SRCCOPY));
    EXPECT_EQ(target.Row(0, 0, 6), (Colors{kGreen, kGreen, kGreen, kGreen, kGreen, kGrey}));
    for (int mode : {COLORONCOLOR, HALFTONE}) {
        // Half of the source rectangle lies beyond the bitmap: those destination pixels stay.
        target.Fill(kGrey);
        SetStretchBltMode(target.dc(), mode);
        ASSERT_TRUE(StretchBlt(target.dc(), 0, 0, 8, 1, source.dc(), 1, 1, 4, 1, SRCCOPY));
        Colors row = target.Row(0, 0, 9);
        EXPECT_EQ((Colors{row[0], row[3]}), (Colors{kGreen, kRed})) << mode;
        EXPECT_EQ(Colors(row.begin() + 4, row.end()), Colors(5, kGrey)) << mode;
        // Within one bitmap, the whole source is read before the destination is written.
        target.Paint(0, {kRed, kGreen, kBlue, kGrey});
        ASSERT_TRUE(StretchBlt(target.dc(), 0, 0, 4, 1, target.dc(), 0, 0, 2, 1, SRCCOPY));
        EXPECT_EQ(target.At(3, 0), kGreen) << mode;
    }
}

// From a DC through a viewport, and from a source rectangle partly beyond the bitmap, which leaves
// those pixels untouched.
TEST_F(StretchTest, TransparentImageLeavesTheKeyColourOut)
{
    Canvas source(2, 2, kRed), target(5, 4, kGrey), other(4, 2, kGrey);
    source.Paint(0, {kRed, kMagenta});
    source.Paint(1, {kBlue, kRed});
    SetViewportOrgEx(target.dc(), 1, 0, nullptr);
    ASSERT_TRUE(TransparentImage(target.dc(), -1, 0, 4, 4, source.dc(), 0, 0, 2, 2, kMagenta));
    SetViewportOrgEx(target.dc(), 0, 0, nullptr);
    ASSERT_TRUE(TransparentImage(other.dc(), 0, 1, 4, 1, source.dc(), 1, 1, 2, 1, kMagenta));
    EXPECT_EQ(target.Row(1, 0, 5), (Colors{kRed, kRed, kGrey, kGrey, kGrey}));
    EXPECT_EQ(target.Row(2, 0, 5), (Colors{kBlue, kBlue, kRed, kRed, kGrey}));
    EXPECT_EQ(other.Row(1, 0, 4), (Colors{kRed, kRed, kGrey, kGrey}));
}

// Sizes no bitmap could hold and an operation neither knows are refused before anything is drawn.
TEST_F(StretchTest, AbsurdSizesAndUnknownOperationsAreRefused)
{
    Canvas source(2, 2, kRed), target(2, 2, kGrey);
    HDC to = target.dc(), from = source.dc();
    const std::vector<BOOL> results = {StretchBlt(to, 0, 0, 1 << 30, 2, from, 0, 0, 2, 2, SRCCOPY),
                                       StretchBlt(to, 0, 0, 2, 2, from, 0, 0, 2, 2, SRCAND),
                                       TransparentImage(to, 0, 0, 2, 1 << 29, from, 0, 0, 2, 2, kMagenta)};
    EXPECT_EQ(results, std::vector<BOOL>(results.size(), FALSE));
    EXPECT_EQ(target.Pixels(), Colors(4, kGrey));
}

}  // namespace
