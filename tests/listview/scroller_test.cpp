// Scroll physics without a window: pen samples and timer ticks with their times in, row positions
// out. Rows are 60 px high in a rows area 300 px tall, which a stand-in for the list's paint lays
// out after every step; times are ms on a clock that is not at its start.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "listview/Scroller.h"
#include "support/ticked_curve.h"

namespace {

using namespace listview;
using Samples = std::vector<std::pair<DWORD, int>>;  // pen samples: ms after the pen-down, y

std::string Pos(RowPosition at)
{
    return std::to_string(at.topIndex) + "/" + std::to_string(at.firstRowBottom);
}
// How far the rows are scrolled up from their start, in px (negative: pulled down).
int Offset(RowPosition at)
{
    return at.topIndex * 60 + 60 - (at.firstRowBottom ? at.firstRowBottom : 60);
}

struct Rows {
    Rows(int items, RowPosition from = {0, 60}, int interval = 0) : count(items), at(from)
    {
        scroller.SetInterval(interval);
    }
    ListMetrics Metrics() const
    {
        int bottom = at.firstRowBottom ? at.firstRowBottom : 60, last = at.topIndex;
        for (; bottom < 300 && last < count - 1; last++) bottom += 60;
        return {at, 60, count, last, 300 - bottom};
    }
    void Follow(const ScrollStep& step)
    {
        if (step.moveTo) at = *step.moveTo;
        for (UINT timer : {kTimerSpringTop, kTimerSpringBottom, kTimerFling})
            if (step.stopTimers & (1u << timer)) timers.erase(timer);
        if (step.startTimer) timers.insert(step.startTimer), period = step.period;
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
    // The timers fire every period (the one due at `late` comes 100 ms late; at `switchAt` the
    // period becomes `switchTo`) until none runs: the rows' offset after the lift and after each
    // frame, their positions in `trace`.
    std::vector<TracedFrame> Play(DWORD late = 0, DWORD switchAt = 0, int switchTo = 0)
    {
        std::vector<TracedFrame> frames = {{0, Offset(at)}};
        trace = Pos(at);
        for (DWORD t = period; !timers.empty() && t < 5000; t += period) {
            if (t == late) t += 100;
            if (switchAt && t >= switchAt) Follow(scroller.SetInterval(switchTo)), switchAt = 0;
            for (UINT timer : std::set<UINT>(timers)) Follow(scroller.Tick(timer, Metrics(), start + t));
            frames.push_back({int(t), Offset(at)});
            trace += " " + Pos(at);
        }
        return frames;
    }

    int count;
    RowPosition at;
    ListScroller scroller;
    std::set<UINT> timers;
    UINT period = 0;      // ms, of the timer last started
    DWORD start = 10000;  // ms
    std::string trace;
};

TEST(ListScroller, PulledPastAnEndTheRowsSpringBackTickByTick)
{
    const struct {
        const char* what;
        int items;
        RowPosition from;
        Samples pen;  // none: a deletion started the timer
        DWORD liftAt;
        const char* trace;  // after the drag, then after each tick until no timer runs
    } cases[] = {
        {"pulled down 30 px: a sixth per tick", 20, {0, 60}, {{0, 200}, {0, 230}}, 100, "0/90 0/75 0/63 0/60 0/60"},
        {"pulled down 140 px: a third first", 20, {0, 60}, {{0, 200}, {0, 340}}, 100, "0/200 0/134 0/90 0/75 0/63 0/60 0/60"},
        {"a glide past the start hands over", 20, {1, 60}, {{0, 200}, {0, 240}}, 10, "0/40 0/80 0/80 0/67 0/60 0/60"},
        // Lists whose rows all fit go back to their start in one tick and no further.
        {"pulled up across rows, twice exactly onto the top edge", 3, {0, 60}, {{0, 200}, {0, 140}, {0, 80}}, 1000, "2/0 0/60 0/60"},
        {"pulled up within a row", 4, {0, 60}, {{0, 200}, {0, 180}}, 1000, "0/40 0/60 0/60"},
        {"a gap of 90 px: a half, then thirds", 9, {5, 30}, {}, 0,
         "5/30 4/15 4/30 4/40 4/46 4/50 4/53 4/55 4/56 4/57 4/58 4/0 4/0"},
        {"a cut-off last row goes up at once", 9, {2, 30}, {}, 0, "2/30 3/0 3/0"},
    };
    for (const auto& c : cases) {
        Rows list{c.items, c.from};
        if (c.pen.empty())
            list.Follow(list.scroller.Start(kTimerSpringBottom, list.start));
        else
            list.Gesture(c.pen, c.liftAt);
        list.Play();
        EXPECT_EQ(list.trace, c.trace) << c.what;
        EXPECT_EQ(list.scroller.State(), ScrollState::Idle) << c.what;
    }
}

// The glide's step at each 50 ms tick, until the rows stop.
std::vector<int> Steps(const std::vector<TracedFrame>& frames)
{
    std::vector<int> atTicks, steps;
    for (const TracedFrame& frame : frames)
        if (frame.t % 50 == 0) atTicks.push_back(frame.value);
    for (size_t i = 1; i < atTicks.size(); i++) steps.push_back(atTicks[i] - atTicks[i - 1]);
    while (!steps.empty() && steps.back() == 0) steps.pop_back();
    return steps;
}

TEST(ListScroller, AFlickLiftedWithinFiftyMillisecondsGlidesSlowerEachTickUntilAPress)
{
    const std::vector<int> glide = {40, 36, 33, 30, 27, 25, 23, 21, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6};
    // The pen may leave the window upward before the lift: that sample (y near 65535) is no step
    // and does not become the glide's speed.
    for (auto [liftAt, leaves] : {std::pair(0u, false), {20u, true}, {49u, false}, {50u, false}, {80u, false}}) {
        Rows list{30, {12, 60}};
        Samples pen = {{0, 200}, {0, 160}};
        if (leaves) pen.push_back({0, 65526});
        list.Gesture(pen, liftAt);
        Rows pressed = list;
        pressed.Follow(pressed.scroller.Press({100, 100}, pressed.start));
        EXPECT_TRUE(pressed.timers.empty() && pressed.scroller.State() == ScrollState::Pressed);
        EXPECT_EQ(Steps(list.Play()), liftAt < 50 ? glide : std::vector<int>()) << liftAt;
    }
}

TEST(ListScroller, DragStepsCountFromTheLastPointThatScrolledAndMoveTheRowsByExactlyTheirDistance)
{
    Rows list{10, {3, 60}};
    list.Follow(list.scroller.Press({100, 200}));
    // A pen above the window reads near 65535: those samples move nothing.
    const std::pair<int, const char*> samples[] = {{190, "3/50"}, {135, "4/55"}, {65526, "4/55"}, {65436, "4/55"},
                                                   {125, "4/45"}};
    for (auto [y, to] : samples) {
        list.Follow(list.scroller.Move({100, y}, 0, list.Metrics(), 480));
        EXPECT_EQ(Pos(list.at), to) << y;
    }
    Rows slow{10};
    Samples pen(151);
    for (int i = 0; i <= 150; i++) pen[i] = {0, 200 - i};
    slow.Gesture(pen, 1000);
    EXPECT_EQ(Pos(slow.at), "2/30") << "150 pixels one at a time: row 2 half gone";

    const std::tuple<RowPosition, int, const char*> steps[] = {
        {{2, 30}, -100, "4/50"}, {{5, 50}, 80, "3/10"}, {{1, 50}, 100, "0/90"},  // past the start: pulled down
        {{5, 0}, -59, "5/1"},    {{5, 0}, 60, "4/0"},   {{10, 0}, -120, "12/0"},
        {{17, 30}, -200, "19/10"},  // past the end the last row wraps within its height
    };
    for (const auto& [from, delta, to] : steps) {
        const ScrollStep step = ListScroller::Scroll(delta, Rows{20, from}.Metrics());
        ASSERT_TRUE(step.moveTo && step.repaint && step.rowsMoving);
        EXPECT_EQ(Pos(*step.moveTo), to) << Pos(from) << " by " << delta;
    }
    const ScrollStep empty = ListScroller::Scroll(-150, Rows{0}.Metrics());
    EXPECT_FALSE(empty.moveTo || empty.repaint || empty.rowsMoving) << "an empty list rests";
}

TEST(ListScroller, AtAShorterPeriodEveryMovementFollowsTheTicksCurveAndEndsAsTheyEnd)
{
    const struct {
        const char* what;
        int items;
        RowPosition from;
        Samples pen;  // a pen reported every 10 ms, or a drag
        DWORD liftAt;
    } movements[] = {
        {"a glide", 30, {12, 60}, {{0, 240}, {10, 200}, {20, 160}, {30, 120}, {40, 80}}, 45},
        {"a glide past the start, then the spring-back", 30, {1, 60}, {{0, 240}, {10, 280}, {20, 320}}, 25},
        {"the top spring-back from 140 px", 20, {0, 60}, {{0, 100}, {10, 240}}, 200},
        {"the bottom spring-back from a gap of 100 px", 10, {0, 60}, {{0, 450}, {10, 50}}, 200},
    };
    // A period from the start with a frame 100 ms late (it catches up the ticks it missed),
    // or ticks switched to frames, or frames to ticks, 200 ms into the movement.
    const struct {
        int interval;
        DWORD late, switchAt;
        int switchTo;
    } plays[] = {{16, 96, 0, 0}, {0, 0, 200, 20}, {16, 0, 200, 0}};
    for (const auto& m : movements) {
        Rows ticked{m.items, m.from};
        ticked.Gesture(m.pen, m.liftAt);
        const std::vector<TracedFrame> ticks = ticked.Play();
        std::vector<int> curve;
        for (const TracedFrame& tick : ticks) curve.push_back(tick.value);
        ASSERT_GT(ticks.size(), 3u) << m.what;
        for (const auto& p : plays) {
            SCOPED_TRACE(testing::Message() << m.what << " at " << p.interval << ", late " << p.late << ", to "
                                            << p.switchTo);
            Rows smooth{m.items, m.from, p.interval};
            smooth.Gesture(m.pen, m.liftAt);
            const std::vector<TracedFrame> frames = smooth.Play(p.late, p.switchAt, p.switchTo);
            const int period = p.switchAt ? p.switchTo : p.interval;
            EXPECT_EQ(smooth.period, UINT(period ? period : 50));
            EXPECT_EQ(OffTheCurve(curve, 50, frames), "");
            EXPECT_EQ(Pos(smooth.at), Pos(ticked.at));
            EXPECT_EQ(smooth.scroller.State(), ScrollState::Idle);
            if (p.switchAt) continue;
            // The last frame stops the timer: the first one at or after the ticks' last tick.
            EXPECT_GE(frames.back().t, ticks.back().t);
            EXPECT_LT(frames.back().t, ticks.back().t + 16);
        }
    }
}

// A finger moving up 2 px per ms for 150 ms as a panel reporting `hertz` times a second sees it
// (with a last report as it lifts, 5 ms later): the glide's steps at the ticks, played at `interval`.
std::vector<int> Glide(int hertz, bool liftOffReport, int interval)
{
    Samples pen;
    for (int i = 0; i * 1000 <= 150 * hertz; i++) {
        const double t = i * 1000.0 / hertz;
        pen.push_back({DWORD(std::lround(t)), 400 - int(std::lround(2 * t))});
    }
    if (liftOffReport) pen.push_back({pen.back().first + 4, pen.back().second + 40});
    Rows list{60, {30, 60}, interval};
    list.Gesture(pen, pen.back().first + 5);
    return Steps(list.Play());
}

TEST(ListScroller, AtAShorterPeriodTheGlideStartsAtThePensFittedSpeedWhateverItsReportRate)
{
    const std::vector<int> atTicks = Glide(100, false, 0);
    ASSERT_EQ(atTicks.size(), 14u) << "20, 18, 17, ... 6 px";
    EXPECT_EQ(Glide(100, false, 10), atTicks) << "a pen reported every 10 ms glides as on the ticks";
    for (auto [hertz, liftOff] : {std::pair(60, false), {120, false}, {120, true}, {60, true}}) {
        const std::vector<int> steps = Glide(hertz, liftOff, 10);
        ASSERT_EQ(steps.size(), atTicks.size()) << hertz << " Hz";
        for (size_t i = 0; i < steps.size(); i++) EXPECT_NEAR(steps[i], atTicks[i], 1) << hertz << " Hz, tick " << i;
    }
    EXPECT_EQ(Glide(120, false, 0).front(), 17) << "on the ticks the glide starts from the last move's distance";
}

}  // namespace
