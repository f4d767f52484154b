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
        if (kExactTicks) {
            EXPECT_EQ(list.scrollBarVisible, 1) << "shown until the next tick";
        }
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

// The row a tap at (100, y) reports, as "index@top" ("none" when no row is there). Taps go through
// the owner's notification: what the list draws and hit-tests, not its fields.
std::string RowAt(HWND owner, int y)
{
    std::string row = "none";
    SetHandler(owner, [&row](HWND, UINT message, WPARAM, LPARAM lParam, LRESULT&) {
        if (message != WM_NAVLV_ITEMNOTIFY) return false;
        auto* item = reinterpret_cast<const tagNAVLVITME*>(lParam);
        row = std::to_string(item->index) + "@" + std::to_string(item->rect.top);
        return true;
    });
    PenDown(100, y);
    PenUp(100, y);
    SetHandler(owner, nullptr);
    return row;
}

// Drags the rows by `distance` (negative: up) in strokes over the list's middle, each in steps
// within one row, lifting the pen slowly (no glide).
void DragBy(int distance)
{
    while (distance != 0) {
        const int stroke = std::clamp(distance, -200, 200), from = stroke < 0 ? 250 : 50;
        PenDown(100, from);
        for (int moved = 0; moved != stroke;) {
            moved += std::clamp(stroke - moved, -50, 50);
            PenMove(100, from + moved);
        }
        Advance(100);
        PenUp(100, from + stroke);
        Advance(1000);  // any spring-back ends
        distance -= stroke;
    }
}

TEST_F(ListScroll, AMoveAcrossSeveralRowsMovesThemByExactlyItsDistance)
{
    struct Case {
        int before;  // pixels the rows were dragged up first, in steps within one row
        int move;    // then one move of this many pixels
        int tapY;    // where the top row is looked for
        const char* topRow;
    };
    const Case cases[] = {
        {150, -100, 1, "4@-10"},  // row 2 half gone, then 100 up: 250 in all
        {310, 80, 1, "3@-50"},    // 310 up, then 80 down: 230 in all
        {70, 100, 31, "0@30"},    // past the start: pulled down by 30
        {300, -59, 0, "5@-59"},   // within one row, as before
        {300, 60, 1, "4@0"},
    };
    for (const Case& c : cases) {
        NavListViewEx list;
        Open(list, RECT{0, 0, 400, 300}, 20);
        DragBy(-c.before);
        PenDown(100, 150);
        PenMove(100, 150 + c.move);
        Advance(100);
        PenUp(100, 150 + c.move);
        EXPECT_EQ(RowAt(owner, c.tapY), c.topRow) << c.before << " then " << c.move;
        list.Destroy();
    }

    // A fast flick: its first glide tick moves the rows by the whole last move.
    NavListViewEx list;
    Open(list, RECT{0, 0, 400, 300}, 40);
    DragBy(-600);
    PenDown(100, 250);
    PenMove(100, 130);
    PenUp(100, 130);
    if (kExactTicks) {
        Advance(50);
        EXPECT_EQ(RowAt(owner, 1), "14@0") << "600, then 120 twice";
    }
}

TEST_F(ListScroll, AnEmptyListRestsAndShowsItemsAddedLaterFromTheTop)
{
    NavListViewEx list;
    Open(list, RECT{0, 0, 400, 300}, 0);
    DragBy(-150);
    Advance(1000);
    for (const char* name : {"a", "b", "c"}) list.AddItem(U16(name).c_str(), -1, 1);
    wincore::Pump();
    EXPECT_EQ(RowAt(owner, 1), "0@0");
}

TEST_F(ListScroll, DraggedFarPastItsEndTheListStillShowsARow)
{
    NavListViewEx list;
    Open(list, RECT{0, 0, 400, 300}, 3);
    PenDown(100, 200);
    PenMove(100, 140);  // the top row leaves exactly at the top edge, twice
    PenMove(100, 80);
    Advance(100);
    PenUp(100, 80);  // the spring-back at the end starts; on real time it may have ticked already
    const std::string top = RowAt(owner, 1);
    if (kExactTicks)
        EXPECT_EQ(top, "2@0") << "the last row, whole, at the top";
    else
        EXPECT_NE(top, "none") << "a row is shown";
}

}  // namespace
