// The slide at each frame period against its 50 ms ticks, read from the screen as the width that
// still shows the item shown before the step.
#include <climits>

#include "support/ticked_curve.h"
#include "vectorbox/vbox_fixture.h"

namespace {

constexpr int kTick = 50, kSlideEnd = 400, kSpan = 500;  // ms; a 136-pixel slide stops at 400
constexpr COLORREF kBefore = RGB(220, 40, 40);

TEST_F(VectorBoxTest, SlideFramesAtEachPeriodFollowTheTicks)
{
    ProbeBox box;
    Make(box, 0);
    box.InsertItem(TEXT(""), SolidBitmap(136, 42, kBefore));
    box.InsertItem(TEXT(""), SolidBitmap(136, 42, RGB(40, 90, 220)));
    DWORD tapped = 0, lastPaint = 0;
    onMessage = [&](UINT message, WPARAM, LPARAM) {
        if (message == WM_DRAWITEM) lastPaint = wincore::HostNow() - tapped;
    };
    const auto shown = [&] { return CountPixels({78, 50, 214, 51}, kBefore); };
    const auto tap = [&](int arrow) { box.SetCurSel(0), box.Tap(arrow), tapped = wincore::HostNow(); };
    // The ticks' offsets, as VectorBoxInput.SlideMoves* reads them, last held until the end.
    std::vector<int> ticked = {136, 114, 92, 70, 48, 26, 4, 0}, eachMs;
    ticked.resize(kSpan / kTick + 1);
    for (int t = 0; t <= kSpan; t++) eachMs.push_back(ticked[size_t(t / kTick)]);
    // Each row also offers a refused period, which must leave the row's own in force.
    const struct {
        int arrow, interval, refused;
    } rows[] = {{0, 0, 7}, {0, 16, -1}, {1, 16, 51}, {1, 10, INT_MIN}, {0, 25, INT_MAX}, {1, 50, 7}, {0, 8, 51}};
    for (const auto& row : rows) {
        ASSERT_EQ(box.SetAnimationInterval(row.interval), 1);
        EXPECT_EQ(box.SetAnimationInterval(row.refused), 0) << row.refused;
        const int frame = row.interval ? std::max(row.interval, 10) : kTick;  // 10: the shortest timer period
        tap(row.arrow);
        if (row.interval == 0) {
            EXPECT_EQ(Trace(kSpan, 1, shown), eachMs) << "each millisecond as on the ticks";
        } else {
            const std::vector<int> smooth = Trace(kSpan / frame, frame, shown);
            EXPECT_EQ(OffTheCurve(ticked, kTick, smooth, frame), "") << "arrow " << row.arrow << " every " << frame;
            EXPECT_EQ(smooth.back(), 0);
        }
        EXPECT_GE(int(lastPaint), kSlideEnd) << row.interval;
        EXPECT_LT(int(lastPaint), kSlideEnd + frame) << "the frame from 400 ms on stops the timer";
    }

    // A frame 100 ms late, then a new period re-arming the timer: both land on the curve.
    box.SetAnimationInterval(16);
    tap(0);
    wincore::Advance(32);
    SetTimer(box.hWnd, 1, 100, nullptr);  // the slide's own timer
    wincore::Advance(100);
    EXPECT_NEAR(shown(), OnTheCurve(ticked, kTick, 132), 1);
    ASSERT_EQ(box.SetAnimationInterval(10), 1);
    wincore::Advance(10);
    EXPECT_NEAR(shown(), OnTheCurve(ticked, kTick, 142), 1);
    wincore::Advance(kSpan);
    EXPECT_EQ(shown(), 0);
}

}  // namespace
