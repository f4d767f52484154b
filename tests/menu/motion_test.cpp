// The sliding panel at shorter frame periods: opening (with the bounce) and closing on the curves
// of the 100 ms ticks, the period through the facade, a new period and a late frame mid-opening.
#include <climits>

#include "menu/menu_fixture.h"
#include "support/ticked_curve.h"

namespace {

constexpr int kAnchor = 240;
constexpr int kOpened = 1000;  // ms: the tick that ends the opening of a 200-pixel panel
constexpr int kClosed = 600;   // ms after the close press: the tick that destroys it

class SlideMotion : public MenuTest {
protected:
    void TearDown() override
    {
        menu_.Destroy();
        MenuTest::TearDown();
    }
    // A 200-pixel panel with the animation on, tracked at the anchor.
    void Track(CRKNaviMenu& menu, MOVE_DIR dir = MOVE_UP)
    {
        menu.SetParam(dir, 1, SolidBitmap(150, 200, RGB(40, 60, 90)), nullptr, 1);
        EXPECT_EQ(menu.TrackMenu(owner, 100, kAnchor), 1);
        panel_ = menu.GetSafeHwnd();
    }
    // The height shown, 0 while hidden or gone; -1 once neither edge stands on the anchor.
    int Shown() const
    {
        if (!IsWindowVisible(panel_)) return 0;
        const RECT rect = WindowRect(panel_);
        return rect.bottom == kAnchor || rect.top == kAnchor ? int(rect.bottom - rect.top) : -1;
    }
    std::vector<int> Follow(int span, int step)
    {
        return Trace(span / step, step, [this] { return Shown(); });
    }
    void PressClose()
    {
        menu_.SetCloseBt(RECT{0, 0, 150, 200}, 1);
        const RECT rect = WindowRect(panel_);
        Tap(rect.left + 50, (rect.top + rect.bottom) / 2);
    }

    CRKNaviMenu menu_;
    HWND panel_ = nullptr;
};

TEST_F(SlideMotion, OpeningAndClosingFollowTheTicksCurves)
{
    ASSERT_EQ(menu_.Create(0), 1);
    Track(menu_);
    const std::vector<int> opening = Follow(kOpened + 100, kTick);
    PressClose();
    const std::vector<int> closing = Follow(kClosed + 100, kTick);
    for (auto [dir, interval] : {std::pair{MOVE_UP, 16}, {MOVE_DOWN, 10}, {MOVE_UP, 25}, {MOVE_DOWN, 30}}) {
        ASSERT_EQ(menu_.SetAnimationInterval(interval), 1);
        Track(menu_, dir);
        const std::vector<int> smooth = Follow(kOpened + 100, interval);
        EXPECT_EQ(OffTheCurve(opening, kTick, smooth, interval), "") << "opening every " << interval;
        const size_t settled = size_t((kOpened + interval - 1) / interval);  // the first frame from 1000 ms on
        EXPECT_EQ(smooth[settled - 1], 199) << "still settling before 1000 ms";
        EXPECT_EQ(smooth[settled], 200);
        PressClose();
        EXPECT_EQ(OffTheCurve(closing, kTick, Follow(kClosed - 1, interval), interval), "") << "closing";
        EXPECT_TRUE(IsWindow(panel_)) << "not destroyed before 600 ms";
        wincore::Advance(interval);
        EXPECT_FALSE(IsWindow(panel_)) << "destroyed by the first frame from 600 ms on";
    }
}

// Set before Create, kept through Destroy and copies; refused values change nothing; 0 restores
// the ticks.
TEST_F(SlideMotion, ThePeriodReachesEveryPanelOfTheFacade)
{
    const auto shownAtFirstFrame = [this](CRKNaviMenu& menu) {
        Track(menu);
        return Follow(16, 16).back() > 0;
    };
    EXPECT_EQ(menu_.SetAnimationInterval(16), 1) << "an empty facade keeps it for later";
    for (int bad : {-1, 7, 51, INT_MIN, INT_MAX}) EXPECT_EQ(menu_.SetAnimationInterval(bad), 0) << bad;
    ASSERT_EQ(menu_.Create(0), 1);
    EXPECT_TRUE(shownAtFirstFrame(menu_));
    menu_.Destroy();
    ASSERT_EQ(menu_.Create(0), 1);
    CRKNaviMenu copy(menu_);
    EXPECT_TRUE(shownAtFirstFrame(copy));
    copy.Destroy();

    EXPECT_EQ(menu_.SetAnimationInterval(0), 1);
    const int heights[] = {0, 44, 88, 132, 176, 220, 190, 196, 202, 199, 200, 200};
    std::vector<int> ticked;
    for (int t = 0; t <= kOpened + 100; t++) ticked.push_back(heights[t / kTick]);
    Track(menu_);
    EXPECT_EQ(Follow(kOpened + 100, 1), ticked) << "each millisecond as on the ticks";
    CRKNaviMenu popup;
    ASSERT_EQ(popup.Create(1), 1);
    EXPECT_EQ(popup.SetAnimationInterval(20), 1) << "the pop-up takes it and has nothing to move";
}

TEST_F(SlideMotion, ANewPeriodGoesOnAndALateFrameLandsOnTheCurve)
{
    ASSERT_EQ(menu_.Create(0), 1);
    menu_.SetAnimationInterval(16);
    Track(menu_);
    wincore::Advance(32);
    // Back on the ticks: one tick per timer message from the tick reached, a tick's time apart.
    ASSERT_EQ(menu_.SetAnimationInterval(0), 1);
    EXPECT_EQ(Follow(3 * kTick, kTick), (std::vector<int>{44 * 32 / kTick, 44, 88, 132}));
    ASSERT_EQ(menu_.SetAnimationInterval(16), 1);
    SetTimer(panel_, 1, 100, nullptr);  // the opening's timer: its next frame comes 100 ms late
    wincore::Advance(100);
    EXPECT_EQ(Shown(), 176 + 44 * 32 / kTick) << "on the curve at 432 ms";
    wincore::Advance(kOpened);
    EXPECT_EQ(Shown(), 200);
}

}  // namespace
