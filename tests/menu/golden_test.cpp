// How the menus look over a map: the pop-up with icons and a hot item, and the sliding panel on
// its skin, see-through, and half-way open.
#include <algorithm>

#include "menu/menu_fixture.h"
#include "support/golden.h"

namespace {

constexpr tagMW_FontStysle kInk = {RGB(32, 44, 60), 150};
constexpr int kAround = 24;  // px of map shown around a menu

RECT Around(RECT rect)
{
    InflateRect(&rect, kAround, kAround);
    return RECT{std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, 800), std::min(rect.bottom, 480)};
}

// A map owner and a menu of four destinations, created and set up by each test.
class MenuLook : public MenuTest {
protected:
    void Open(tagMW_FontStysle style, LONG x, LONG y)
    {
        PaintMap();
        menu_.AppendItem(kPlain, 1, TEXT("Navigate home"), style, nullptr);
        menu_.AppendItem(kPlain, 2, TEXT("Search address"), style, nullptr);
        menu_.AppendItem(kPlain, 3, TEXT("Favourites"), style, nullptr);
        menu_.AppendItem(kPlain, 4, TEXT("地图设置"), style, nullptr);
        ASSERT_EQ(menu_.TrackMenu(owner, x, y), 1);
        wincore::Advance(kTick);
    }
    void TearDown() override
    {
        menu_.Destroy();
        MenuTest::TearDown();
    }

    CRKNaviMenu menu_;
    const int line_ = MenuTextSize(u"Navigate home").cy;
};

}  // namespace

TEST_F(MenuLook, PopupWithIconsAndAHotItem)
{
    ASSERT_EQ(menu_.Create(1), 1);
    menu_.SetParam(MOVE_DOWN, 0, nullptr, TileList(8, 24), 1);
    Open(kInk, 230, 110);
    RECT rect = WindowRect(menu_.GetSafeHwnd());
    wincore::PenDown(rect.left + 40, rect.top + kFrame + line_ + kGap + 12);
    EXPECT_TRUE(MatchesGolden("menu_popup", Around(rect), 8, 60));
    wincore::PenMove(700, 400);
    wincore::PenUp(700, 400);
}

TEST_F(MenuLook, SlidePanelOnItsSkinWithAPick)
{
    ASSERT_EQ(menu_.Create(0), 1);
    menu_.SetBorder(6, 8, 8, 14);
    Open(kWhiteText, 520, 456);
    RECT rect = WindowRect(menu_.GetSafeHwnd());
    Tap(rect.left + 30, rect.top + 16 + line_ + kGap + 8);
    EXPECT_EQ(Commands().size(), 1u);
    EXPECT_TRUE(MatchesGolden("menu_slide_skin", Around(rect), 8, 60));
}

TEST_F(MenuLook, SlidePanelSeeThrough)
{
    ASSERT_EQ(menu_.Create(0), 1);
    menu_.SetParam(MOVE_DOWN, 0, nullptr, nullptr, 0);
    menu_.SetBorder(14, 16, 16, 16);
    Open(kInk, 60, 40);
    EXPECT_TRUE(MatchesGolden("menu_slide_seethrough", Around(WindowRect(menu_.GetSafeHwnd())), 8, 60));
}

TEST_F(MenuLook, SlidePanelHalfOpen)
{
    ASSERT_EQ(menu_.Create(0), 1);
    menu_.SetParam(MOVE_UP, 1, nullptr, nullptr, 1);
    menu_.SetBorder(6, 8, 8, 14);
    Open(kWhiteText, 300, 456);
    wincore::Advance(kTick);
    const int fullHeight = 10 + 6 + 8 + 4 * (line_ + kGap);
    RECT rect = WindowRect(menu_.GetSafeHwnd());
    EXPECT_EQ(rect.bottom - rect.top, 2 * ((fullHeight + 20) / 5)) << "two steps of the opening";
    EXPECT_TRUE(MatchesGolden("menu_slide_half", Around({rect.left, 456 - fullHeight, rect.right, 456}), 8, 60));
}
