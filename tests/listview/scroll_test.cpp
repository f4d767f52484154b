// The list's window feeding its scroller: pen messages, its timers and what it last painted, read
// back from the rows' separator lines on the screen and the row a tap selects (the physics' own
// figures are in scroller_test.cpp). Rows are 60 pixels high in a list at the owner's origin.
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

TEST_F(ListScroll, PulledDownTheRowsSpringBackOnTheListsTimerWithTheIndicatorShown)
{
    NavListViewEx list;
    Open(list, RECT{0, 0, 400, 300}, 20);
    Drag(20, -30, 100);
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
        int items, up, delay;  // a drag `up` px, lifted after `delay` ms; a second one as long
        bool twice;
        int deleted;  // then this item is deleted
        const char* separators;
        int topRow;
    } cases[] = {
        {"quick flick: 40 px and a glide of 410", 30, 40, 0, false, -1, "30 90 150 210 270 ", 7},
        {"slow lift: 40 px", 30, 40, 80, false, -1, "20 80 140 200 260 ", 0},
        {"at the end, the first deleted: a gap of 60 px", 10, 150, 100, true, 0, "0 60 120 180 240 ", 4},
        {"the last row cut off after a deletion", 10, 150, 100, false, 8, "0 60 120 180 240 ", 3},
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

// A flick of 30 rows with the pen reported every 10 ms: the rows' first separator 0, 16, 400 and
// 800 ms after the lift, at the ticks, at 16 ms, and at 16 ms set back to 0.
TEST_F(ListScroll, AtAShorterAnimationIntervalAGlideMovesBetweenTheTicksAndEndsWhereTheyEnd)
{
    std::vector<int> runs[3];
    std::string rest[3];  // the separators at rest and the top row
    const std::vector<int> set[3] = {{0}, {16}, {16, 0}};
    for (int run = 0; run < 3; run++) {
        NavListViewEx list;
        for (int refused : {-1, 7, 51, 1000}) EXPECT_EQ(list.SetAnimationInterval(refused), 0) << refused;
        for (int ms : set[run]) EXPECT_EQ(list.SetAnimationInterval(ms), 1) << ms;
        Open(list, RECT{0, 0, 400, 300}, 30);
        Advance(500);
        wincore::PenDown(100, 250);
        for (int y = 210; y >= 90; y -= 40) Advance(10), wincore::PenMove(100, y);
        Advance(5);
        wincore::PenUp(100, 90);
        for (DWORD wait : {0, 16, 384, 400}) Advance(wait), runs[run].push_back(std::stoi(Separators()));
        Advance(2000);
        EXPECT_FALSE(KillTimer(list.GetSafeHand(), 3)) << "the glide has ended";
        rest[run] = Separators() + std::to_string(TapRecord(100, 1).index);
        list.Destroy();
    }
    EXPECT_EQ(runs[2], runs[0]) << "0 restores the ticks";
    EXPECT_EQ(rest[2], rest[0]);
    EXPECT_EQ(rest[1], rest[0]) << "the rows rest where the ticks leave them";
    if (!kExactTicks) return;
    EXPECT_EQ(runs[0][1], runs[0][0]) << "the ticks have not moved the rows 16 ms after the lift";
    EXPECT_NE(runs[1][1], runs[1][0]) << "the shorter interval has";
    // At 400 and 800 ms the two show the rows within 1 px of each other (a row is 60 px).
    for (int i : {2, 3}) {
        const int apart = std::abs(runs[1][i] - runs[0][i]);
        EXPECT_LE(std::min(apart, 60 - apart), 1) << i;
    }
}

}  // namespace
