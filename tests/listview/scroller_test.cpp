// Scroll physics without a window: timed pen samples and ticks in, row positions (60 px rows, 300 px area) out.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
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
    // The pen goes down at the first sample and lifts `liftAt` ms after the pen-down.
    void Gesture(const Samples& pen, DWORD liftAt)
    {
        Follow(scroller.Press({100, pen[0].second}, start + pen[0].first));
        for (size_t i = 1; i < pen.size(); i++)
            Follow(scroller.Move({100, pen[i].second}, start + pen[i].first, Metrics(), 480));
        start += liftAt;
        Follow(scroller.Release(start, Metrics()));
    }
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
        {"pulled down 140 px: a third first", 20, {0, 60}, {{0, 200}, {0, 340}}, 100, "0/200 0/134 0/90 0/75 0/63 0/60 0/60"},
        {"a glide past the start hands over", 20, {1, 60}, {{0, 200}, {0, 240}}, 10, "0/40 0/80 0/80 0/67 0/60 0/60"},
        {"rows that all fit, pulled up across rows: back in one tick", 3, {0, 60}, {{0, 200}, {0, 140}, {0, 80}}, 1000,
         "2/0 0/60 0/60"},
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
    // A pen leaving the window upward before the lift (y near 65535) is no step and no speed.
    for (auto [liftAt, leaves] : {std::pair(20u, true), {49u, false}, {50u, false}}) {
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
    for (int y : {190, 135, 65526, 65436, 125}) list.Follow(list.scroller.Move({100, y}, 0, list.Metrics(), 480));
    EXPECT_EQ(Pos(list.at), "4/45");
    Rows slow{10};
    Samples pen(151);
    for (int i = 0; i <= 150; i++) pen[i] = {0, 200 - i};
    slow.Gesture(pen, 1000);
    EXPECT_EQ(Pos(slow.at), "2/30") << "150 pixels one at a time: row 2 half gone";

    // Past the end the last row wraps within its height.
    const ScrollStep past = ListScroller::Scroll(-200, Rows{20, {17, 30}}.Metrics());
    ASSERT_TRUE(past.moveTo && past.repaint && past.rowsMoving);
    EXPECT_EQ(Pos(*past.moveTo), "19/10");
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
        {"the bottom spring-back from a gap of 100 px", 10, {0, 60}, {{0, 450}, {10, 50}}, 200},
    };
    // A period from the start with a frame 100 ms late, or ticks to frames, or frames to ticks at 200 ms.
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
        }
    }
}

// A finger moving up 2 px per ms for 150 ms, seen by a panel reporting `hertz` times a second (with a
// last report 4 ms before the lift that turns back): the glide's steps at the ticks, played at `interval`.
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
    for (auto [hertz, liftOff] : {std::pair(100, false), {60, false}, {120, true}}) {
        const std::vector<int> steps = Glide(hertz, liftOff, 10);
        ASSERT_EQ(steps.size(), atTicks.size()) << hertz << " Hz";
        for (size_t i = 0; i < steps.size(); i++) EXPECT_NEAR(steps[i], atTicks[i], 1) << hertz << " Hz, tick " << i;
    }
    EXPECT_EQ(Glide(120, false, 0).front(), 17) << "on the ticks the glide starts from the last move's distance";
}

}  // namespace
