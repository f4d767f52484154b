// Scroll physics without a window: pen samples and timer ticks with their times in, row positions
// out. Rows are 60 px high in a rows area 300 px tall, which a stand-in for the list's paint lays
// out after every step to record the last row and the gap under it.
#include <gtest/gtest.h>

#include <numeric>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "listview/scrolled_rows.h"

namespace {

using namespace listview;

std::string Pos(RowPosition at)
{
    return std::to_string(at.topIndex) + "/" + std::to_string(at.firstRowBottom);
}

struct Rows : ScrolledRows {
    explicit Rows(int items, RowPosition from = {0, 60}) : ScrolledRows(items, from) {}

    // Pen-down at y = 200, moves to `ys` at 0 ms, pen-up at `liftAt` ms.
    void Drag(std::vector<int> ys, DWORD liftAt)
    {
        Follow(scroller.Press({100, 200}));
        for (int y : ys) Follow(scroller.Move({100, y}, 0, Metrics(), 480));
        Follow(scroller.Release(liftAt, Metrics()));
    }
    // Each running timer ticks every 50 ms: the positions after each round, until none runs.
    std::vector<RowPosition> Run()
    {
        std::vector<RowPosition> seen;
        for (; !timers.empty() && seen.size() < 40; seen.push_back(at))
            for (UINT timer : std::set<UINT>(timers)) Follow(scroller.Tick(timer, Metrics()));
        return seen;
    }
};

TEST(ListScroller, PulledPastAnEndTheRowsSpringBackTickByTick)
{
    const struct {
        const char* what;
        int items;
        RowPosition from;
        std::vector<int> ys;  // pen moves from y = 200 at 0 ms; none: a deletion started the timer
        DWORD liftAt;         // ms
        const char* trace;    // after the drag, then after each tick until no timer runs
    } cases[] = {
        {"pulled down 30 px: a sixth per tick", 20, {0, 60}, {230}, 100, "0/90 0/75 0/63 0/60 0/60"},
        {"pulled down 140 px: a third first", 20, {0, 60}, {340}, 100, "0/200 0/134 0/90 0/75 0/63 0/60 0/60"},
        {"a glide past the start hands over", 20, {1, 60}, {240}, 10, "0/40 0/80 0/80 0/67 0/60 0/60"},
        // Lists whose rows all fit go back to their start in one tick and no further.
        {"pulled up across rows, twice exactly onto the top edge", 3, {0, 60}, {140, 80}, 1000, "2/0 0/60 0/60"},
        {"pulled up within a row", 4, {0, 60}, {180}, 1000, "0/40 0/60 0/60"},
        {"a gap of 90 px: a half, then thirds", 9, {5, 30}, {}, 0,
         "5/30 4/15 4/30 4/40 4/46 4/50 4/53 4/55 4/56 4/57 4/58 4/0 4/0"},
        {"a cut-off last row goes up at once", 9, {2, 30}, {}, 0, "2/30 3/0 3/0"},
    };
    for (const auto& c : cases) {
        Rows list{c.items, c.from};
        if (c.ys.empty())
            list.timers = {kTimerSpringBottom};
        else
            list.Drag(c.ys, c.liftAt);
        std::string trace = Pos(list.at);
        for (RowPosition at : list.Run()) trace += " " + Pos(at);
        EXPECT_EQ(trace, c.trace) << c.what;
        EXPECT_EQ(list.scroller.State(), ScrollState::Idle) << c.what;
    }
}

TEST(ListScroller, AFlickLiftedWithinFiftyMillisecondsGlidesSlowerEachTickUntilAPress)
{
    const std::vector<int> glide = {40, 36, 33, 30, 27, 25, 23, 21, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6};
    auto offset = [](RowPosition at) { return at.topIndex * 60 - (at.firstRowBottom ? at.firstRowBottom : 60); };
    // The pen may leave the window upward before the lift: that sample (y near 65535) is no step
    // and does not become the glide's speed.
    for (auto [liftAt, ys] : {std::pair(0u, std::vector<int>{160}), {20u, {160, 65526}}, {49u, {160}}, {50u, {160}},
                              {80u, {160}}}) {
        Rows list{30, {12, 60}};
        list.Drag(ys, liftAt);
        Rows pressed = list;
        pressed.Follow(pressed.scroller.Press({100, 100}));
        EXPECT_TRUE(pressed.timers.empty() && pressed.scroller.State() == ScrollState::Pressed);
        std::vector<int> steps;
        int before = offset(list.at);
        for (RowPosition at : list.Run()) {
            if (offset(at) != before) steps.push_back(offset(at) - before);
            before = offset(at);
        }
        EXPECT_EQ(steps, liftAt < 50 ? glide : std::vector<int>()) << liftAt;
    }
}

TEST(ListScroller, DragStepsCountFromTheLastPointThatScrolled)
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
    std::vector<int> ys(150);
    std::iota(ys.rbegin(), ys.rend(), 50);
    slow.Drag(ys, 1000);
    EXPECT_EQ(Pos(slow.at), "2/30") << "150 pixels one at a time: row 2 half gone";
}

TEST(ListScroller, AStepAcrossSeveralRowsMovesThemByExactlyItsDistance)
{
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

}  // namespace
