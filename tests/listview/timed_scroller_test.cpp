// The scroll physics at a shorter timer period, without a window: the movements follow the ticks'
// curve in time, and the glide starts from the pen's fitted speed. Rows are 60 px high in a rows
// area 300 px tall; times are ms on a clock that the tests move.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "listview/scrolled_rows.h"
#include "support/ticked_curve.h"

namespace {

using namespace listview;

// How far the rows are scrolled up from their start, in px (negative: pulled down).
int Offset(RowPosition at)
{
    return at.topIndex * 60 + 60 - (at.firstRowBottom ? at.firstRowBottom : 60);
}

using Samples = std::vector<std::pair<DWORD, int>>;  // pen samples: ms after the pen-down, y

using Frame = TracedFrame;  // ms after the lift, the rows' offset

class Clocked : public ScrolledRows {
public:
    Clocked(int items, RowPosition from, int interval) : ScrolledRows(items, from)
    {
        scroller.SetInterval(interval);
    }
    // The pen goes down at the first sample, moves through the others, and lifts at `liftAt`.
    void Gesture(const Samples& pen, DWORD liftAt)
    {
        Follow(scroller.Press({100, pen[0].second}, start + pen[0].first));
        for (size_t i = 1; i < pen.size(); i++)
            Follow(scroller.Move({100, pen[i].second}, start + pen[i].first, Metrics(), 480));
        start += liftAt;
        Follow(scroller.Release(start, Metrics()));
    }
    // The timers fire every period (the one at `late` ms comes 100 ms late) until none runs; the
    // rows' offset after the lift and after each frame.
    std::vector<Frame> Play(DWORD late = 0, DWORD switchAt = 0, int switchTo = 0)
    {
        std::vector<Frame> frames = {{0, Offset(at)}};
        for (DWORD t = period; !timers.empty() && t < 5000; t += period) {
            if (t == late) t += 100;
            if (switchAt && t >= switchAt) {
                Follow(scroller.SetInterval(switchTo));
                switchAt = 0;
            }
            for (UINT timer : std::set<UINT>(timers)) Follow(scroller.Tick(timer, Metrics(), start + t));
            frames.push_back({int(t), Offset(at)});
        }
        return frames;
    }

    DWORD start = 10000;  // ms: the clock is not at its start
};

// The frames against the ticks' curve, the ticks being 50 ms apart.
std::string OffTheCurve(const std::vector<Frame>& ticks, const std::vector<Frame>& frames)
{
    std::vector<int> ticked;
    for (const Frame& tick : ticks) ticked.push_back(tick.value);
    return OffTheCurve(ticked, 50, frames);
}

// A pen reported every 10 ms, `step` px each time, from y = 240, lifted 5 ms after its last move.
Samples EveryTenMs(int moves, int step)
{
    Samples pen;
    for (int i = 0; i <= moves; i++) pen.push_back({DWORD(i * 10), 240 + i * step});
    return pen;
}

struct Movement {
    const char* what;
    int items;
    RowPosition from;
    Samples pen;
    DWORD liftAt;
};

const Movement kMovements[] = {
    {"a glide", 30, {12, 60}, EveryTenMs(4, -40), 45},
    {"a glide past the start, then the spring-back", 30, {1, 60}, EveryTenMs(2, 40), 25},
    {"the top spring-back from 140 px", 20, {0, 60}, {{0, 100}, {10, 240}}, 200},
    {"the bottom spring-back from a gap of 100 px", 10, {0, 60}, {{0, 450}, {10, 50}}, 200},
};

TEST(TimedScroller, AtAShorterPeriodEveryMovementFollowsTheTicksCurveAndEndsAsTheyEnd)
{
    for (const Movement& m : kMovements) {
        Clocked ticked{m.items, m.from, 0};
        ticked.Gesture(m.pen, m.liftAt);
        const std::vector<Frame> ticks = ticked.Play();
        ASSERT_GT(ticks.size(), 3u) << m.what;
        for (DWORD late : {0u, 160u}) {
            Clocked smooth{m.items, m.from, 16};
            smooth.Gesture(m.pen, m.liftAt);
            EXPECT_EQ(smooth.period, 16u) << m.what;
            const std::vector<Frame> frames = smooth.Play(late);
            EXPECT_EQ(OffTheCurve(ticks, frames), "") << m.what << (late ? ", a frame 100 ms late" : "");
            EXPECT_TRUE(smooth.at.topIndex == ticked.at.topIndex &&
                        smooth.at.firstRowBottom == ticked.at.firstRowBottom)
                << m.what;
            // The last frame stops the timer: the first one at or after the ticks' last tick.
            EXPECT_GE(frames.back().t, ticks.back().t) << m.what;
            EXPECT_LT(frames.back().t, ticks.back().t + (late ? 116 : 16)) << m.what;
            EXPECT_EQ(smooth.scroller.State(), ScrollState::Idle) << m.what;
        }
    }
}

TEST(TimedScroller, APeriodSetDuringAMovementTakesItOnAlongItsCurve)
{
    const Movement& glide = kMovements[1];
    Clocked ticked{glide.items, glide.from, 0};
    ticked.Gesture(glide.pen, glide.liftAt);
    const std::vector<Frame> ticks = ticked.Play();
    // From the ticks to 20 ms between two of them, and from 16 ms back to the ticks' period.
    for (auto [from, to] : {std::pair(0, 20), {16, 0}}) {
        Clocked list{glide.items, glide.from, from};
        list.Gesture(glide.pen, glide.liftAt);
        const std::vector<Frame> frames = list.Play(0, 200, to);
        EXPECT_EQ(list.period, UINT(to ? to : 50)) << from << " to " << to;
        EXPECT_EQ(OffTheCurve(ticks, frames), "") << from << " to " << to;
        EXPECT_EQ(Offset(list.at), Offset(ticked.at));
    }
}

// The same finger, 2 px per ms upwards for 150 ms, as panels reporting at different rates see it.
Samples Finger(int hertz, bool liftOffReport)
{
    Samples pen;
    for (int i = 0; i * 1000 <= 150 * hertz; i++) {
        const double t = i * 1000.0 / hertz;
        pen.push_back({DWORD(std::lround(t)), 400 - int(std::lround(2 * t))});
    }
    if (liftOffReport) pen.push_back({pen.back().first + 4, pen.back().second + 40});
    return pen;
}

// The glide's step at each 50 ms tick, played at `interval` and read every 10 ms.
std::vector<int> GlideSteps(const Samples& pen, int interval)
{
    Clocked list{60, {30, 60}, interval};
    list.Gesture(pen, pen.back().first + 5);
    std::vector<int> steps, atTicks;
    for (const Frame& frame : list.Play())
        if (frame.t % 50 == 0) atTicks.push_back(frame.value);
    for (size_t i = 1; i < atTicks.size(); i++) steps.push_back(atTicks[i] - atTicks[i - 1]);
    while (!steps.empty() && steps.back() == 0) steps.pop_back();
    return steps;
}

TEST(TimedScroller, TheGlideStartsAtThePensFittedSpeedWhateverItsReportRate)
{
    const std::vector<int> atTicks = GlideSteps(EveryTenMs(15, -20), 0);
    ASSERT_EQ(atTicks.size(), 14u) << "20, 18, 17, ... 6 px";
    EXPECT_EQ(GlideSteps(EveryTenMs(15, -20), 10), atTicks) << "a pen reported every 10 ms glides as on the ticks";
    for (auto [hertz, liftOff] : {std::pair(60, false), {100, false}, {120, false}, {120, true}, {60, true}}) {
        const std::vector<int> steps = GlideSteps(Finger(hertz, liftOff), 10);
        ASSERT_EQ(steps.size(), atTicks.size()) << hertz << " Hz";
        for (size_t i = 0; i < steps.size(); i++) EXPECT_NEAR(steps[i], atTicks[i], 1) << hertz << " Hz, tick " << i;
    }
    // On the ticks the glide still starts from the last move's distance: 17 px at 120 Hz.
    EXPECT_EQ(GlideSteps(Finger(120, false), 0).front(), 17);
}

}  // namespace
