// The list's window feeding its scroller: pen messages, its timers and what it last painted, read
// back from the rows' separator lines on the screen and the row a tap selects (the physics' own
// figures are in scroller_test.cpp). Rows are 60 pixels high in a list at the owner's origin.
#include "listview/list_probe.h"

namespace {

using ListScroll = ListTest;
using wincore::Advance;
using wincore::ScreenPixel;

// Where the rows' separator lines cross the rows area, top down, e.g. "30 90 150 210 270 ".
std::string Separators()
{
    std::string lines;
    for (int y = 0; y < 300; y++)
        if (ScreenPixel(200, y) == RGB(199, 146, 93)) lines += std::to_string(y) + " ";
    return lines;
}

TEST_F(ListScroll, PulledDownTheRowsSpringBackOnTheListsTimerWithTheIndicatorShown)
{
    NavListViewEx list;
    Open(list, RECT{0, 0, 400, 300}, 20);
    wincore::PenDown(100, 20);
    wincore::PenMove(100, 50);
    Advance(100);
    wincore::PenUp(100, 50);  // slowly: no glide
    std::vector<int> bands = {std::stoi(Separators())};
    for (int tick = 0; tick < 4; tick++) {
        Advance(50);
        bands.push_back(std::stoi(Separators()) + (ScreenPixel(399, 10) == RGB(64, 64, 64) ? 1000 : 0));
    }
    if (kExactTicks)
        EXPECT_EQ(bands, (std::vector<int>{30, 1015, 1003, 1000, 0})) << "1000: the indicator shows";
    else
        Advance(500);
    EXPECT_EQ(Separators(), "0 60 120 180 240 ");
    EXPECT_FALSE(KillTimer(list.GetSafeHand(), 1)) << "the spring-back's timer has stopped";
}

TEST_F(ListScroll, FlicksAndDeletionsEndWhereTheScrollerTakesTheRows)
{
    const struct {
        const char* what;
        int items, flick, delay, top, deleted;  // flick: px up, lifted after `delay` ms
        const char* separators;
        int topRow;
    } cases[] = {
        {"quick flick: 40 px and a glide of 410", 30, 40, 0, 0, -1, "30 90 150 210 270 ", 7},
        {"slow lift: 40 px", 30, 40, 80, 0, -1, "20 80 140 200 260 ", 0},
        {"a gap of 90 px under the last row", 10, 0, 0, 6, 0, "0 60 120 180 240 ", 4},
        {"the last row cut off", 10, 0, 0, 2, 8, "0 60 120 180 240 ", 3},
    };
    for (const auto& c : cases) {
        ProbeList list;
        Open(list, RECT{0, 0, 400, 300}, c.items);
        Advance(500);  // the flick is timed by a clock that is not at its start
        if (c.flick) {
            wincore::PenDown(100, 200);
            wincore::PenMove(100, 200 - c.flick);
            Advance(c.delay);
            wincore::PenUp(100, 200 - c.flick);
        } else {
            list.ScrollTo(c.top, 30);  // pulled up past the end
            list.DeleteItem(c.deleted);
        }
        Advance(2000);
        EXPECT_EQ(Separators(), c.separators) << c.what;
        Tap(100, 1);
        EXPECT_EQ(list.GetCurrentSel(), c.topRow) << c.what;
        list.Destroy();
    }
}

}  // namespace
