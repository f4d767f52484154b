// Scroll physics on the manual clock: drag steps, spring-back at both ends, the glide after a
// flick. Rows are 60 pixels high; the lists sit at the owner's origin unless said otherwise.
#include "listview/list_probe.h"

namespace {

using ListScroll = ListTest;
using wincore::Advance;
using wincore::PenDown;
using wincore::PenMove;
using wincore::PenUp;

TEST_F(ListScroll, PulledDownAtTheStartSpringsBack)
{
    ProbeList list;
    Open(list, RECT{0, 0, 400, 300}, 20);
    for (int pull : {30, 140}) {
        PenDown(100, 20);
        PenMove(100, 20 + pull);
        std::vector<int> seen = {list.firstRowBottom};
        Advance(100);
        PenUp(100, 20 + pull);
        while (seen.size() < 8 && list.firstRowBottom != 60) {
            Advance(50);
            seen.push_back(list.firstRowBottom);
        }
        std::vector<int> expected = pull == 30 ? std::vector<int>{90, 75, 63, 60}
                                               : std::vector<int>{200, 134, 90, 75, 63, 60};
        if (kExactTicks) {
            EXPECT_EQ(seen, expected);
        } else {
            EXPECT_EQ(seen.front(), expected.front());
            EXPECT_EQ(list.firstRowBottom, 60) << "back at rest";
        }
        EXPECT_EQ(list.topIndex, 0);
        if (kExactTicks) EXPECT_EQ(list.scrollBarVisible, 1) << "shown until the next tick";
        Advance(kExactTicks ? 50 : 200);
        EXPECT_FALSE(list.StopTimer(1)) << "the next tick ends the spring-back";
        EXPECT_EQ(list.scrollBarVisible, 0);
    }
}

TEST_F(ListScroll, AFlickGlidesSlowerEachTickOnlyWhenLiftedWithinFiftyMilliseconds)
{
    ProbeList list;
    Open(list, RECT{0, 0, 400, 300}, 30);
    // In real time the lift comes a little after the wait; the tick-by-tick glide needs the
    // manual clock.
    const std::vector<DWORD> waits = kExactTicks ? std::vector<DWORD>{20, 49, 50} : std::vector<DWORD>{0, 80};
    for (DWORD wait : waits) {
        list.ScrollTo(12, 60);
        PenDown(100, 100);
        PenMove(100, 140);
        if (wait > 0) Advance(wait);
        PenUp(100, 140);
        std::vector<int> steps;
        for (int before = list.Offset(); steps.size() < 30; before = list.Offset()) {
            Advance(50);
            if (list.Offset() == before) break;
            steps.push_back(before - list.Offset());
        }
        const std::vector<int> glide = {40, 36, 33, 30, 27, 25, 23, 21, 19, 18, 17,
                                        16, 15, 14, 13, 12, 11, 10, 9,  8,  7,  6};
        if (kExactTicks)
            EXPECT_EQ(steps, wait < 50 ? glide : std::vector<int>()) << wait;
        else
            EXPECT_EQ(steps.empty(), wait >= 50) << wait;
        EXPECT_FALSE(list.StopTimer(3));
        EXPECT_EQ(list.scrollBarVisible, 0);
    }
}

TEST_F(ListScroll, DraggedUpTheTopRowAdvancesWhenItLeavesButAPenAboveTheWindowMovesNothing)
{
    ProbeList list;
    Open(list, RECT{0, 100, 400, 400}, 10);
    list.ScrollTo(3, 60);
    PenDown(100, 300);
    PenMove(100, 290);
    EXPECT_EQ(list.Pos(), "3/50");
    PenMove(100, 235);
    EXPECT_EQ(list.Pos(), "4/55");
    for (int y : {90, 20, 0}) PenMove(100, y);
    EXPECT_EQ(list.Pos(), "4/55");
    PenMove(100, 225);
    EXPECT_EQ(list.Pos(), "4/45") << "back inside, the step counts from the last accepted point";
    PenUp(100, 225);

    list.ScrollTo(0, 60);
    PenDown(100, 350);
    for (int y = 349; y >= 200; y--) PenMove(100, y);
    EXPECT_EQ(list.Pos(), "2/30") << "150 pixels one at a time: row 2 half gone";
    PenUp(100, 200);
}

TEST_F(ListScroll, AfterADeletionTheRowsSettleOnTheBottomEdge)
{
    ProbeList list;
    Open(list, RECT{0, 0, 400, 300}, 10);
    list.ScrollTo(6, 30);  // pulled up past the end
    ASSERT_EQ(list.bottomGap, 90);
    list.DeleteItem(0);
    wincore::Pump();
    for (int tick = 0; tick < 20 && list.bottomGap != 0; tick++) Advance(50);
    EXPECT_EQ(list.bottomGap, 0);
    EXPECT_EQ(list.lastIndex, 8);
    Advance(50);
    EXPECT_FALSE(list.StopTimer(2));

    list.ScrollTo(2, 30);  // the last row drawn is cut off: the rows go up by the cut in one tick
    ASSERT_EQ(list.bottomGap, -30);
    list.DeleteItem(8);
    wincore::Pump();
    Advance(50);
    EXPECT_EQ(list.topIndex, 3);
    EXPECT_EQ(Str(list.visibleRows.front().rect), "0,0,400,60");
    EXPECT_EQ(list.bottomGap, 0);
}

}  // namespace
