// The list's window feeding its scroller: pen messages, its timers and what it last painted, read
// back from the rows' separator lines on the screen and the row a tap selects (the physics' own
// figures are in scroller_test.cpp; a glide at a shorter animation interval is the combo box's
// list's). Rows are 60 pixels high in a list at the owner's origin.
#include "listview/list_fixture.h"

namespace {

using ListScroll = ListTest;
using wincore::Advance;
using wincore::ScreenPixel;

// The pen drags from y to y - `up` and is lifted after `delay` ms (from 50 ms on, no glide).
void Drag(int y, int up, int delay)
{
    wincore::PenDown(100, y);
    wincore::PenMove(100, y - up);
    Advance(delay);
    wincore::PenUp(100, y - up);
}

// The spring-back's figures are the scroller's (its tick-by-tick table); here the list's timer plays it.
TEST_F(ListScroll, PulledDownTheRowsSpringBackOnTheListsTimerWithTheIndicatorShown)
{
    NavListViewEx list;
    Open(list, RECT{0, 0, 400, 300}, 20);
    Drag(20, -30, 100);
    Advance(50);
    if (kExactTicks) {
        EXPECT_EQ(ScreenPixel(399, 10), RGB(64, 64, 64)) << "the indicator shows";
    }
    Advance(500);
    EXPECT_EQ(Separators(), "0 60 120 180 240 ");
    EXPECT_FALSE(KillTimer(list.GetSafeHand(), 1)) << "the spring-back's timer has stopped";
}

TEST_F(ListScroll, FlicksAndDeletionsEndWhereTheScrollerTakesTheRows)
{
    const struct {
        const char* what;
        int items, up, delay;  // a drag `up` px, lifted after `delay` ms; a second one as long
        bool twice;
        int deleted;  // then this item is deleted
        const char* separators;
        int topRow;
    } cases[] = {
        {"quick flick: 40 px and a glide of 410", 30, 40, 0, false, -1, "30 90 150 210 270 ", 7},
        {"slow lift: 40 px", 30, 40, 80, false, -1, "20 80 140 200 260 ", 0},
        {"at the end, the first deleted: a gap of 60 px", 10, 150, 100, true, 0, "0 60 120 180 240 ", 4},
    };
    for (const auto& c : cases) {
        NavListViewEx list;
        Open(list, RECT{0, 0, 400, 300}, c.items);
        Advance(500);  // the flick is timed by a clock that is not at its start
        for (int drag = 0; drag < (c.twice ? 2 : 1); drag++) Drag(200, c.up, c.delay);
        Advance(2000);
        if (c.deleted >= 0) list.DeleteItem(c.deleted);
        Advance(2000);
        EXPECT_EQ(Separators(), c.separators) << c.what;
        EXPECT_EQ(TapRecord(100, 1).index, c.topRow) << c.what;
        list.Destroy();
    }
}

}  // namespace
