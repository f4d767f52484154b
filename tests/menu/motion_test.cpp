// The sliding panel's opening (with its bounce) and closing at each frame period against its ticks.
#include <climits>

#include "menu/menu_fixture.h"
#include "support/ticked_curve.h"

namespace {

constexpr int kAnchor = 240;
constexpr int kOpened = 1000;  // ms: the tick that ends the opening of a 200-pixel panel
constexpr int kClosed = 600;   // ms after the close press: the tick that destroys the panel
// A 200-pixel panel's heights on the ticks: hidden for the first, past its height and back.
const std::vector<int> kOpening = {0, 44, 88, 132, 176, 220, 190, 196, 202, 199, 200, 200};
const std::vector<int> kClosing = {200, 160, 120, 80, 40, 0, 0};

// A panel's height every `step` ms: 0 while hidden or gone, -1 once off the anchor with both edges.
std::vector<int> Follow(HWND panel, int span, int step)
{
    return Trace(span / step, step, [panel] {
        const RECT rect = WindowRect(panel);
        if (!IsWindowVisible(panel)) return 0;
        return rect.bottom == kAnchor || rect.top == kAnchor ? int(rect.bottom - rect.top) : -1;
    });
}

class SlideMotion : public MenuTest {
protected:
    // A 200-px panel with the animation on, tracked at the anchor.
    HWND Track(MOVE_DIR dir)
    {
        menu_.SetParam(dir, 1, SolidBitmap(150, 200, RGB(40, 60, 90)), nullptr, 1);
        EXPECT_EQ(menu_.TrackMenu(owner, 100, kAnchor), 1);
        return menu_.GetSafeHwnd();
    }
};

// Period 0 gives the ticks' figures at every ms, others frames on their curve; a period outlives Destroy and copies.
TEST_F(SlideMotion, OpeningAndClosingAtEachPeriodFollowTheTicks)
{
    const struct {
        MOVE_DIR dir;
        int interval, refused;
    } rows[] = {{MOVE_UP, 0, 7}, {MOVE_DOWN, 0, -1}, {MOVE_UP, 16, INT_MIN}, {MOVE_DOWN, 10, INT_MAX}};
    for (const auto& row : rows) {
        CRKNaviMenu made;
        ASSERT_EQ(made.SetAnimationInterval(row.interval), 1);
        EXPECT_EQ(made.SetAnimationInterval(row.refused), 0) << row.refused;
        ASSERT_EQ(made.Create(0), 1);
        made.Destroy();
        ASSERT_EQ(made.Create(0), 1);
        menu_ = made;
        HWND panel = Track(row.dir);
        const int step = row.interval ? row.interval : 1;
        const std::vector<int> opened = Follow(panel, kOpened + 100, step);
        EXPECT_EQ(OffTheTicks(kOpening, kTick, opened, step), "")
            << "opening every " << step << ", direction " << row.dir;
        const size_t settled = size_t((kOpened + step - 1) / step);  // the first frame from 1000 ms on
        EXPECT_EQ(std::pair(opened[settled - 1], opened[settled]), std::pair(199, 200)) << "at 1000 ms";
        menu_.SetCloseBt(RECT{0, 0, 150, 200}, 1);
        Tap(150, WindowRect(panel).top + 100);
        EXPECT_EQ(OffTheTicks(kClosing, kTick, Follow(panel, kClosed - 1, step), step), "") << "closing every " << step;
        EXPECT_TRUE(IsWindow(panel)) << "not destroyed before 600 ms";
        wincore::Advance(step);
        EXPECT_FALSE(IsWindow(panel)) << "destroyed by the first frame from 600 ms on";
        EXPECT_EQ(menu_.GetSafeHwnd(), nullptr);
    }
    EXPECT_TRUE(Commands().empty()) << "closing sends nothing";
}

}  // namespace
