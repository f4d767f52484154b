// Painting read back from the screen and from memory DCs: the scroll indicator, rows kept inside
// their area, and painting into a DC the host gives (the rows' looks are the golden pictures').
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
        {20, 60, {289}, "0-74"},  // length 75: 225 px of room for 900 px
        {20, 60, {289, 0}, "72-146"},
        {5, 60, {200}, "0-299"},  // the content fits the area exactly
        // 200 rows of 2^24 px: the content's height overflows 32 bits, the thumb is shorter than
        // a pixel, and placing it must not overflow (the sanitizer build would stop here).
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

TEST_F(ListPaint, RowsStayInsideTheirArea)
{
    // A drop-down list's fourth row of 60 is cut off at 237, and its separator at 240 would fall
    // on the frame (the rows area is 22-218 by 0-237 in the window): neither the row nor its
    // highlight leaves the area.
    auto frame = [] {
        std::vector<COLORREF> pixels;
        for (int y = 60; y < 320; y++)
            for (int x = 100; x < 340; x++)
                if (x < 122 || x >= 318 || y >= 297) pixels.push_back(ScreenPixel(x, y));
        return pixels;
    };
    NavListViewEx dropDown;
    Open(dropDown, RECT{100, 60, 340, 320}, 0, NAVLV_MODE_DROPDOWN);
    const std::vector<COLORREF> empty = frame();
    const COLORREF inside = ScreenPixel(200, 60 + 220);
    for (int i = 0; i < 4; i++) dropDown.AddItem(TEXT("Destination"), -1, 0);
    dropDown.SetCurrentSel(3);
    wincore::Pump();
    EXPECT_NE(ScreenPixel(200, 60 + 220), inside) << "the selected row is drawn";
    EXPECT_TRUE(frame() == empty) << "nothing of the rows outside their area";
    dropDown.Destroy();

    // An area shorter than a row shows its top row with the top separator.
    for (int count : {1, 3}) {
        NavListViewEx list;
        Open(list, RECT{0, 0, 400, 40}, count);
        EXPECT_EQ(ScreenPixel(200, 0), kSeparator) << count << " items";
    }
}

TEST_F(ListPaint, PaintsIntoAGivenDCAtItsPlaceInTheParentWithThePageBarWhileTheRowsMove)
{
    NavListViewEx list;
    Open(list, RECT{100, 50, 500, 350}, 0);
    list.SetBkColor(RGB(1, 2, 3), 0);
    Canvas host(800, 480, RGB(0, 0, 0));
    EXPECT_EQ(list.OnPaintEx(host.dc()), 1);
    EXPECT_TRUE(host.At(100, 50) == RGB(1, 2, 3) && host.At(99, 50) == RGB(0, 0, 0));
    SendMessageW(list.GetSafeHand(), WM_PAINT, WPARAM(host.dc()), 0);
    EXPECT_EQ(host.At(0, 0), RGB(1, 2, 3)) << "WM_PAINT with a DC paints at its origin";
    list.Destroy();

    // Scroll steps without a paint of the window in between, as a host composing off-screen at
    // each step sees them: the window's next paint would leave its bar as it was.
    list.EnablePageScroll(1);
    Open(list, RECT{0, 0, 480, 272}, 20);
    wincore::PenDown(100, 150);
    for (int y : {140, 130}) SendMessageW(list.GetSafeHand(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, y));
    EXPECT_EQ(list.OnPaintEx(host.dc()), 1);
    for (int x : {50, 240, 430}) EXPECT_EQ(host.At(x, 250), ScreenPixel(x, 250)) << x;
    wincore::PenUp(100, 130);
}

}  // namespace
