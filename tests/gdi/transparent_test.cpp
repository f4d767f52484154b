// TransparentImage: nearest scaling that leaves the key colour out, from a DC or a bitmap.
#include "support/canvas.h"
#include "support/host_fixture.h"

namespace {

using TransparentTest = HostTest;

constexpr COLORREF kMagenta = RGB(255, 0, 255), kGrey = RGB(9, 9, 9), kRed = RGB(255, 0, 0),
                   kBlue = RGB(0, 0, 255);

TEST_F(TransparentTest, StretchedCopySkipsTheKeyColour)
{
    Canvas source(2, 2, kRed), target(5, 4, kGrey);
    source.Paint(0, {kRed, kMagenta});
    source.Paint(1, {kBlue, kRed});
    SetViewportOrgEx(target.dc(), 1, 0, nullptr);
    ASSERT_TRUE(TransparentImage(target.dc(), -1, 0, 4, 4, source.dc(), 0, 0, 2, 2, kMagenta));
    SetViewportOrgEx(target.dc(), 0, 0, nullptr);
    EXPECT_EQ(target.Row(1, 0, 5), (Colors{kRed, kRed, kGrey, kGrey, kGrey}));
    EXPECT_EQ(target.Row(2, 0, 5), (Colors{kBlue, kBlue, kRed, kRed, kGrey}));
}

TEST_F(TransparentTest, SourceMayBeABitmapAndItsBoundsLimitTheCopy)
{
    Canvas source(2, 1, kGrey), target(4, 2, kGrey);
    source.Paint(0, {kMagenta, kBlue});
    ASSERT_TRUE(TransparentBlt(target.dc(), 0, 0, 4, 1, source.bitmap(), 0, 0, 2, 1, kMagenta));
    ASSERT_TRUE(TransparentImage(target.dc(), 0, 1, 4, 1, source.dc(), 1, 0, 2, 1, kMagenta));
    EXPECT_EQ(target.Pixels(), (Colors{kGrey, kGrey, kBlue, kBlue, kBlue, kBlue, kGrey, kGrey}))
        << "beyond the source: untouched";
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
    EXPECT_FALSE(TransparentImage(target.dc(), 0, 0, 2, 1 << 29, source.dc(), 0, 0, 2, 2, kMagenta));
    EXPECT_EQ(target.Pixels(), Colors(4, kGrey));
}

}  // namespace
