// The sliding panel: placement, the close button, borders, background bitmaps, picks keeping it open.
#include "menu/menu_fixture.h"

namespace {

constexpr int kMargin = 10;  // px around an unbordered panel's items

class SlideTest : public MenuTest {
protected:
    void SetUp() override
    {
        MenuTest::SetUp();
        ASSERT_EQ(menu_.Create(0), 1);
    }
    // Tracks the panel, named "panel" in the log, and lets `ticks` timer periods pass.
    HWND Track(LONG x, LONG y, int ticks = 0)
    {
        EXPECT_EQ(menu_.TrackMenu(owner, x, y), 1);
        Log().Name(menu_.GetSafeHwnd(), "panel");
        if (ticks) wincore::Advance(ticks * kTick);
        return menu_.GetSafeHwnd();
    }
};

}  // namespace

TEST_F(SlideTest, DefaultsShowAboveTheAnchorAfterOneTick)
{
    for (UINT id : {1, 2}) menu_.AppendItem(kPlain, id, TEXT("Home"), kWhiteText, nullptr);
    Log().Only({WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS, WM_COMMAND});
    HWND panel = Track(100, 300);
    wincore::Advance(kTick - 1);
    EXPECT_FALSE(IsWindowVisible(panel)) << "hidden for one tick";
    wincore::Advance(1);
    EXPECT_EQ(ScreenRect(panel), Str({100, 300 - kMargin - 2 * (line_ + kGap), 100 + 2 * kMargin + MenuTextSize(TEXT("Home")).cx, 300}));
    Tap(600, 100);
    SetFocus(panel);
    SetFocus(owner);
    wincore::Advance(5 * kTick);
    EXPECT_TRUE(IsWindowVisible(panel)) << "losing the focus does not close the panel";
    EXPECT_TRUE(SameTraffic(Log().Lines(), {"owner WM_KILLFOCUS panel", "owner WM_SETFOCUS panel"}));
}

// A background bitmap sets the panel's size whatever its items, and is drawn 1:1.
TEST_F(SlideTest, TheBackgroundSetsTheSize)
{
    menu_.SetParam(MOVE_DOWN, 0, SolidBitmap(240, 160, RGB(30, 90, 60)), nullptr, 1);
    EXPECT_EQ(menu_.SetBorder(10, 20, 30, 40), 1);
    for (UINT id = 1; id <= 9; id++) menu_.AppendItem(kPlain, id, TEXT("A rather long item text"), kWhiteText, nullptr);
    EXPECT_EQ(ScreenRect(Track(50, 20, 1)), "50,20,290,180");
    EXPECT_EQ(wincore::ScreenPixel(285, 23), RGB(30, 90, 60));
}

// Picks keep the panel open and move the highlight; a close press must begin and end on an enabled button.
TEST_F(SlideTest, PicksKeepThePanelOpenUntilAPressOnTheCloseButton)
{
    menu_.SetParam(MOVE_DOWN, 0, nullptr, nullptr, 1);
    for (UINT id = 1; id <= 3; id++) menu_.AppendItem(kPlain, id, TEXT("Destination"), kWhiteText, nullptr);
    menu_.SetCloseBt(RECT{0, 0, 200, 200}, 1);
    HWND panel = Track(100, 100, 1);
    auto row = [this](int index) { return Row(index, kMargin); };
    const COLORREF gold = RGB(240, 184, 60);
    Tap(row(1).left + 4, row(1).top + 4);
    wincore::Advance(3 * kTick);
    EXPECT_TRUE(SameTraffic(Commands(), {"owner WM_COMMAND 0x00000002 panel"}));
    EXPECT_TRUE(IsWindowVisible(panel)) << "a pick keeps the panel open";
    menu_.SetCloseBt(RECT{0, 0, 200, 200}, 0);
    Tap(row(2).left + 4, row(2).top + 4);
    EXPECT_EQ(CountPixels(row(1), gold, 50), 0) << "the highlight moves with the next pick";
    EXPECT_GT(CountPixels(row(2), gold, 50), 0);
    menu_.SetCloseBt(RECT{0, 0, kMargin, 200}, 1);
    const POINT item = {row(0).left + 4, row(0).top + line_ / 2}, button = {100 + 2, item.y};
    for (auto [from, to] : {std::pair{item, button}, {button, item}})
        wincore::PenDown(from.x, from.y), wincore::PenMove(to.x, to.y), wincore::PenUp(to.x, to.y);
    wincore::Advance(3 * kTick);
    EXPECT_TRUE(IsWindowVisible(panel)) << "a press that begins or ends off the button does not close";
    EXPECT_EQ(Commands().size(), 3u) << "the release on the item chose it";
    Tap(button.x, button.y);
    wincore::Advance(6 * kTick);
    EXPECT_FALSE(IsWindow(panel));
}
