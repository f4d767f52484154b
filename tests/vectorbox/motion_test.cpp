// The slide at shorter frame periods on the curve of the 50 ms ticks, read from the screen as the
// width still showing the item that was shown before the step.
#include <climits>

#include "support/ticked_curve.h"
#include "vectorbox/vbox_fixture.h"

namespace {

constexpr int kTick = 50, kSlideEnd = 400, kSpan = 500;  // ms; a 136-pixel slide stops at 400
constexpr COLORREF kBefore = RGB(220, 40, 40);

class VectorBoxMotion : public VectorBoxTest {
protected:
    void SetUp() override
    {
        VectorBoxTest::SetUp();
        Make(box, 0);
        box.InsertItem(TEXT(""), SolidBitmap(136, 42, kBefore));
        box.InsertItem(TEXT(""), SolidBitmap(136, 42, RGB(40, 90, 220)));
        onMessage = [this](UINT message, WPARAM, LPARAM) {
            if (message == WM_DRAWITEM) lastPaint = wincore::HostNow() - tapped;
        };
    }
    int Shown() { return CountPixels({78, 50, 214, 51}, kBefore); }
    // A tap on `arrow` with the first item shown, then the slide every `step` ms.
    std::vector<int> Slide(int arrow, int step)
    {
        box.SetCurSel(0);
        box.Tap(arrow);
        tapped = wincore::HostNow();
        return Trace(kSpan / step, step, [this] { return Shown(); });
    }

    ProbeBox box;
    DWORD tapped = 0, lastPaint = 0;
};

TEST_F(VectorBoxMotion, FramesFollowTheTicksCurveAndStopWithThem)
{
    const std::vector<int> ticked = Slide(0, kTick);
    ASSERT_EQ(box.SetAnimationInterval(16), 1);
    for (int bad : {-1, 7, 51, INT_MIN, INT_MAX}) EXPECT_EQ(box.SetAnimationInterval(bad), 0) << bad;
    // The first case runs on what the refusals left.
    for (auto [arrow, interval] : {std::pair{0, 16}, {1, 16}, {1, 10}, {0, 25}, {1, 50}, {0, 8}}) {
        if (interval != 16) {
            ASSERT_EQ(box.SetAnimationInterval(interval), 1);
        }
        const int frame = std::max(interval, 10);  // the platform's shortest timer period
        const std::vector<int> smooth = Slide(arrow, frame);
        EXPECT_EQ(OffTheCurve(ticked, kTick, smooth, frame), "") << "arrow " << arrow << " every " << interval;
        EXPECT_EQ(smooth.back(), 0);
        EXPECT_GE(int(lastPaint), kSlideEnd);
        EXPECT_LT(int(lastPaint), kSlideEnd + frame) << "the frame from 400 ms on stops the timer";
    }
    ASSERT_EQ(box.SetAnimationInterval(0), 1);
    std::vector<int> expected;
    for (int t = 0; t <= kSpan; t++) expected.push_back(ticked[size_t(t / kTick)]);
    EXPECT_EQ(Slide(0, 1), expected) << "each millisecond as on the ticks";
}

TEST_F(VectorBoxMotion, ALateFrameAndANewPeriodLandOnTheCurve)
{
    const std::vector<int> ticked = Slide(0, kTick);
    box.SetAnimationInterval(16);
    box.SetCurSel(0);
    box.Tap(0);
    wincore::Advance(32);
    SetTimer(box.hWnd, 1, 100, nullptr);  // the slide's timer: its next frame comes 100 ms late
    wincore::Advance(100);
    EXPECT_NEAR(Shown(), OnTheCurve(ticked, kTick, 132), 1);
    ASSERT_EQ(box.SetAnimationInterval(10), 1);  // re-armed: the next frame 10 ms later
    wincore::Advance(10);
    EXPECT_NEAR(Shown(), OnTheCurve(ticked, kTick, 142), 1);
    wincore::Advance(kSpan);
    EXPECT_EQ(Shown(), 0);
}

}  // namespace
