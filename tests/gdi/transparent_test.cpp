// TransparentImage: nearest scaling that leaves the key colour out, from a DC or a bitmap.
#include "gdi/canvas.h"

namespace {

using TransparentTest = HostTest;
using Colors = std::vector<COLORREF>;

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kGrey = RGB(9, 9, 9);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

TEST_F(TransparentTest, StretchedCopySkipsTheKeyColour)
{
    Canvas source(2, 2, kRed), target(5, 5, kGrey);
    SetPixel(source.dc(), 1, 0, kMagenta);
    SetPixel(source.dc(), 0, 1, kBlue);
    ASSERT_TRUE(TransparentImage(target.dc(), 0, 0, 4, 4, source.dc(), 0, 0, 2, 2, kMagenta));
    EXPECT_EQ(target.Row(0, 0, 5), (Colors{kRed, kRed, kGrey, kGrey, kGrey}));
    EXPECT_EQ(target.Row(1, 0, 5), (Colors{kRed, kRed, kGrey, kGrey, kGrey}));
    EXPECT_EQ(target.Row(3, 0, 5), (Colors{kBlue, kBlue, kRed, kRed, kGrey}));
    EXPECT_EQ(target.Row(4, 0, 5), Colors(5, kGrey));
}

TEST_F(TransparentTest, SourceMayBeABitmapWhetherOrNotADcHoldsIt)
{
    HDC screen = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 2, 1);
    HGDIOBJ old = SelectObject(screen, bitmap);
    SetPixel(screen, 0, 0, kMagenta);
    SetPixel(screen, 1, 0, kBlue);
    Canvas target(3, 2, kGrey);
    ASSERT_TRUE(TransparentBlt(target.dc(), 0, 0, 2, 1, bitmap, 0, 0, 2, 1, kMagenta));
    EXPECT_EQ(target.Row(0, 0, 3), (Colors{kGrey, kBlue, kGrey}));
    SelectObject(screen, old);
    ASSERT_TRUE(TransparentImage(target.dc(), 0, 1, 3, 1, bitmap, 1, 0, 1, 1, kMagenta));
    EXPECT_EQ(target.Row(1, 0, 3), Colors(3, kBlue));
    DeleteDC(screen);
    DeleteObject(bitmap);
}

TEST_F(TransparentTest, HonoursViewportAndClipAndTheSourceBounds)
{
    Canvas source(1, 1, kRed), target(6, 1, kGrey);
    SetViewportOrgEx(target.dc(), 1, 0, nullptr);
    IntersectClipRect(target.dc(), 0, 0, 3, 1);
    ASSERT_TRUE(TransparentImage(target.dc(), -1, 0, 6, 1, source.dc(), 0, 0, 1, 1, kMagenta));
    SetViewportOrgEx(target.dc(), 0, 0, nullptr);
    EXPECT_EQ(target.Row(0, 0, 6), (Colors{kGrey, kRed, kRed, kRed, kGrey, kGrey}));

    Canvas other(4, 1, kGrey);
    ASSERT_TRUE(TransparentImage(other.dc(), 0, 0, 4, 1, source.dc(), 0, 0, 2, 1, kMagenta));
    EXPECT_EQ(other.Row(0, 0, 4), (Colors{kRed, kRed, kGrey, kGrey})) << "beyond the source: untouched";
}

TEST_F(TransparentTest, BadArgumentsFail)
{
    Canvas source(2, 2, kRed), target(2, 2, kGrey);
    HBITMAP stale = CreateCompatibleBitmap(source.dc(), 1, 1);
    DeleteObject(stale);
    EXPECT_FALSE(TransparentImage(target.dc(), 0, 0, 2, 2, nullptr, 0, 0, 2, 2, kMagenta));
    EXPECT_FALSE(TransparentImage(target.dc(), 0, 0, 2, 2, stale, 0, 0, 2, 2, kMagenta));
    EXPECT_FALSE(TransparentImage(nullptr, 0, 0, 2, 2, source.dc(), 0, 0, 2, 2, kMagenta));
    EXPECT_FALSE(TransparentImage(target.dc(), 2, 0, -2, 2, source.dc(), 0, 0, 2, 2, kMagenta));
    EXPECT_FALSE(TransparentImage(target.dc(), 0, 0, 2, 2, source.dc(), 0, 2, 2, -2, kMagenta));
    EXPECT_FALSE(TransparentImage(target.dc(), 0, 0, 2, 1 << 29, source.dc(), 0, 0, 2, 2, kMagenta));
    EXPECT_EQ(target.Row(0, 0, 2), Colors(2, kGrey));
    EXPECT_EQ(target.Row(1, 0, 2), Colors(2, kGrey));
}

}  // namespace
