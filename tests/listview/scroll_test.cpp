// The list's window feeding its scroller (whose figures are scroller_test.cpp's): pen, timers, paint.
#include "listview/list_fixture.h"

namespace {

using ListScroll = ListTest;
using wincore::Advance;

TEST_F(ListScroll, FlicksAndDeletionsEndWhereTheScrollerTakesTheRows)
{
    const struct {
        const char* what;
        int items, up, delay, drags, deleted;  // `drags` drags `up` px lifted after `delay` ms, then a deletion
        const char* separators;
        int topRow;
    } cases[] = {
        {"quick flick: 40 px and a glide of 410", 30, 40, 0, 1, -1, "30 90 150 210 270 ", 7},
        {"slow lift: 40 px", 30, 40, 80, 1, -1, "20 80 140 200 260 ", 0},
        {"pulled down 30 px: springs back", 20, -30, 100, 1, -1, "0 60 120 180 240 ", 0},
        {"at the end, the first deleted: a gap of 60 px", 10, 150, 100, 2, 0, "0 60 120 180 240 ", 4},
    };
    for (const auto& c : cases) {
        NavListViewEx list;
        Open(list, RECT{0, 0, 400, 300}, c.items);
        Advance(500);  // the flick is timed by a clock that is not at its start
        for (int drag = 0; drag < c.drags; drag++) {
            wincore::PenDown(100, 200);
            wincore::PenMove(100, 200 - c.up);
            Advance(c.delay);  // from 50 ms on, no glide
            wincore::PenUp(100, 200 - c.up);
        }
        Advance(2000);
        if (c.deleted >= 0) list.DeleteItem(c.deleted);
        Advance(2000);
        EXPECT_EQ(Separators(), c.separators) << c.what;
        EXPECT_EQ(TapRecord(100, 1).index, c.topRow) << c.what;
        for (UINT timer : {1, 2, 3}) EXPECT_FALSE(KillTimer(list.GetSafeHand(), timer)) << c.what << " timer " << timer;
        list.Destroy();
    }
}

}  // namespace
