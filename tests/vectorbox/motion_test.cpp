// The slide at each frame period, read as the width still showing the item shown before the step.
#include <climits>

#include "support/ticked_curve.h"
#include "vectorbox/vbox_fixture.h"

namespace {

constexpr int kTick = 50, kSpan = 500;  // ms
constexpr COLORREF kBefore = RGB(220, 40, 40);
// A sixth of the middle field per tick, at least 1 px, until the tick after 0 (which repaints).
const std::vector<int> kWide = {136, 114, 92, 70, 48, 26, 4, 0}, kNarrow = {4, 3, 2, 1, 0};

TEST_F(VectorBoxTest, SlideFollowsItsTicksAtEachPeriod)
{
    // Period 0 gives the ticks' figures at every ms; each row's refused period must change nothing.
    const struct {
        int width, arrow, interval, refused;
    } rows[] = {{252, 0, 0, 7}, {252, 1, 0, -1}, {120, 0, 0, 51}, {252, 0, 16, INT_MIN}, {120, 1, 50, INT_MAX}};
    for (const auto& row : rows) {
        ProbeBox box;
        Make(box, 0, VBOX_HORZ, {20, 30, 20 + row.width, 72});
        for (COLORREF colour : {kBefore, RGB(40, 90, 220)}) box.InsertItem(TEXT(""), SolidBitmap(136, 42, colour));
        ASSERT_EQ(box.SetAnimationInterval(row.interval), 1);
        EXPECT_EQ(box.SetAnimationInterval(row.refused), 0) << row.refused;
        const int side = row.arrow ? 20 + row.width - 58 - 1 : 78;  // the middle field's end it leaves by
        const auto shown = [side] {
            const int width = CountPixels({78, 50, 214, 51}, kBefore);
            return width && wincore::ScreenPixel(side, 50) != kBefore ? -1 : width;
        };
        const std::vector<int>& ticked = row.width == 252 ? kWide : kNarrow;
        const int end = int(ticked.size()) * kTick;  // the tick after 0
        DWORD lastPaint = 0, tapped = wincore::HostNow();
        onMessage = [&](UINT message, WPARAM, LPARAM) {
            if (message == WM_DRAWITEM) lastPaint = wincore::HostNow() - tapped;
        };
        box.Tap(row.arrow);
        const int frame = row.interval ? std::max(row.interval, 10) : 1;  // 10: the shortest timer period
        EXPECT_EQ(OffTheTicks(ticked, kTick, Trace(kSpan / frame, frame, shown), frame), "")
            << "width " << row.width << ", arrow " << row.arrow << " every " << frame;
        EXPECT_GE(int(lastPaint), end) << row.interval;
        EXPECT_LT(int(lastPaint), end + (row.interval ? frame : kTick)) << "the frame from the tick after 0 stops";
        onMessage = nullptr;
    }
}

// A new period re-arms the running slide's timer (the curve's catching up is the kit's, shared with the menu).
TEST_F(VectorBoxTest, ANewPeriodReArmsTheRunningSlide)
{
    ProbeBox box;
    Make(box, 0);
    for (COLORREF colour : {kBefore, RGB(40, 90, 220)}) box.InsertItem(TEXT(""), SolidBitmap(136, 42, colour));
    box.SetAnimationInterval(16);
    box.Tap(0);
    wincore::Advance(32);
    ASSERT_EQ(box.SetAnimationInterval(10), 1);
    wincore::Advance(10);
    EXPECT_NEAR(CountPixels({78, 50, 214, 51}, kBefore), OnTheCurve(kWide, kTick, 42), 1);
}

}  // namespace
