// Painting read back from the screen and memory DCs (the rows' looks are the golden pictures').
#include "listview/list_fixture.h"

namespace {

using ListPaint = ListTest;
using wincore::ScreenPixel;

constexpr COLORREF kDarkGrey = RGB(64, 64, 64);

// The rows of an 8-pixel-wide thumb along the right edge of a list at the origin, as "first-last".
std::string Thumb()
{
    int first = -1, last = -1;
    for (int y = 0; y < 300; y++)
        if (ScreenPixel(399, y) == kDarkGrey && ScreenPixel(392, y) == kDarkGrey && ScreenPixel(391, y) != kDarkGrey)
            first = first < 0 ? y : first, last = y;
    return first < 0 ? std::string() : std::to_string(first) + "-" + std::to_string(last);
}

TEST_F(ListPaint, TheIndicatorShowsThePortionAndPlaceOfTheViewWhileMoving)
{
    const struct {
        int items, height;  // px
        std::vector<int> moves;  // the pen down at y = 290
        const char* thumb;
    } cases[] = {
        {20, 60, {289, 0}, "72-146"},  // length 75: 225 px of room for 900 px
        // 200 rows of 2^24 px overflow 32 bits; placing a sub-pixel thumb must not (the sanitizer checks).
        {200, 1 << 24, {200}, ""},
    };
    for (const auto& c : cases) {
        NavListViewEx list;
        list.SetItemHeigh(c.height);
        Open(list, RECT{0, 0, 400, 300}, c.items);
        wincore::PenDown(100, 290);
        for (int y : c.moves) wincore::PenMove(100, y);
        EXPECT_EQ(Thumb(), c.thumb) << c.items << " rows to " << c.moves.back();
        wincore::Advance(100);
        wincore::PenUp(100, c.moves.back());  // too late for a glide
        wincore::Advance(1000);
        EXPECT_EQ(Thumb(), "") << "at rest";
    }
}

TEST_F(ListPaint, PaintsIntoAGivenDCAtItsPlaceInTheParent)
{
    NavListViewEx list;
    Open(list, RECT{100, 50, 500, 350}, 0);
    list.SetBkColor(RGB(1, 2, 3), 0);
    Canvas host(800, 480, RGB(0, 0, 0));
    EXPECT_EQ(list.OnPaintEx(host.dc()), 1);
    EXPECT_TRUE(host.At(100, 50) == RGB(1, 2, 3) && host.At(99, 50) == RGB(0, 0, 0));
}

}  // namespace
