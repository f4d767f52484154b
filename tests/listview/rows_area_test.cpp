// Rows stay inside the rows area: a row cut off at the bottom, its highlight and its separator
// leave the drop-down frame around the area as it was.
#include "listview/list_probe.h"

namespace {

using ListRowsArea = ListTest;

// The list window's pixels on the screen outside its rows area, row by row.
std::vector<COLORREF> FrameAround(const ProbeList& list)
{
    std::vector<COLORREF> pixels;
    const RECT& window = list.wndRect;
    for (int y = 0; y < window.bottom - window.top; y++)
        for (int x = 0; x < window.right - window.left; x++) {
            POINT point = {x, y};
            if (PtInRect(&list.listRect, point)) continue;
            pixels.push_back(wincore::ScreenPixel(window.left + x, window.top + y));
        }
    return pixels;
}

TEST_F(ListRowsArea, ACutOffSelectedRowLeavesTheDropDownFrameAlone)
{
    ProbeList list;
    Open(list, RECT{100, 60, 340, 320}, 0, NAVLV_MODE_DROPDOWN);
    ASSERT_EQ(Str(list.listRect), "22,0,218,237");
    const std::vector<COLORREF> empty = FrameAround(list);
    const COLORREF inside = wincore::ScreenPixel(200, 60 + 220);

    // Four rows of 60: the fourth is cut off at 237, its separator at 240 falls on the frame.
    for (int i = 0; i < 4; i++) list.AddItem(TEXT("Destination"), -1, 0);
    list.SetCurrentSel(3);
    wincore::Pump();
    EXPECT_NE(wincore::ScreenPixel(200, 60 + 220), inside) << "the selected row is drawn";
    EXPECT_TRUE(FrameAround(list) == empty) << "nothing of the rows outside their area";
}

}  // namespace
