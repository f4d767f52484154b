// Taps, double taps and page-scroll buttons: what the owner and then the respond window receive.
#include <cstdio>

#include "listview/list_fixture.h"

namespace {

using ListInput = ListTest;

// The rows whose middle shows the selection, of the five rows of a list at the screen's origin.
std::vector<int> Highlighted()
{
    std::vector<int> rows;
    for (int row = 0; row < 5; row++)
        if (wincore::ScreenPixel(2, 60 * row + 30) == kSelected) rows.push_back(row);
    return rows;
}

TEST_F(ListInput, TapsSendTheRowAsLastPaintedToTheOwnerThenTheRespondWindow)
{
    NavListViewEx list;
    list.SetCheckBox(1);
    Open(list, RECT{0, 0, 400, 300}, 10);
    list.SetRespondHwnd(CreateRecorder("respond", WS_POPUP, 0, 0, 10, 10));
    list.SetCurrentSel(0);
    Log().Only({WM_NAVLV_ITEMNOTIFY});
    Tap(100, 270);
    auto record = [this](size_t i) {  // code, item, state before the tap (new), rectangle
        return std::to_string(notes[i].notifyCode) + " " + std::to_string(notes[i].index) + " " +
               std::to_string(notes[i].state) + " " + Str(notes[i].rect);
    };
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(record(0), "-2 4 1 0,240,400,300");
    ASSERT_EQ(Log().Lines().size(), 2u);
    std::string sent = Log().Lines()[0].substr(5);  // the same record goes to both
    EXPECT_TRUE(SameTraffic(Log().Lines(), {"owner" + sent, "respond" + sent}));
    EXPECT_TRUE(list.GetCheckStatus(4) == 1 && list.GetCurrentSel() == 4);
    EXPECT_EQ(Highlighted(), std::vector<int>{4});

    // The class asks for no double clicks, so the double tap is sent here.
    SendMessageW(list.GetSafeHand(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(100, 90));
    SendMessageW(list.GetSafeHand(), WM_LBUTTONUP, 0, MAKELPARAM(100, 90));
    wincore::Pump();
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(record(1), "-3 1 1 0,60,400,120");
    EXPECT_EQ(Highlighted(), std::vector<int>{1}) << "the selection moved to item 1";
    EXPECT_EQ(TapRecord(100, 270).state, NAVLV_STATE_NEW | NAVLV_STATE_CHECKED) << "item 4 lost its mark";

    wincore::PenDown(100, 150);  // down on row 2, lifted over another row
    wincore::PenMove(100, 200);
    wincore::PenUp(100, 200);
    EXPECT_EQ(notes.size(), 1u);
}

TEST_F(ListInput, PageScrollButtonsLaidOutAlongTheBottomReportTheirNumber)
{
    NavListViewEx list;
    list.EnablePageScroll(1);
    Open(list, RECT{0, 0, 480, 272}, 5, NAVLV_MODE_LIST, 0x1234);
    list.SetRespondHwnd(CreateRecorder("respond", WS_POPUP, 0, 0, 10, 10));
    // The bar is 44 px high; its outer buttons are 106 px wide, the middle one between.
    Log().Only({WM_NAVLV_PAGESCROLL, WM_NAVLV_ITEMNOTIFY});
    const std::pair<POINT, int> taps[] = {{{50, 250}, 0}, {{105, 271}, 0}, {{106, 228}, 2}, {{373, 250}, 2},
                                          {{374, 250}, 1}, {{479, 271}, 1}};
    std::vector<std::string> expected;
    for (auto [at, button] : taps) {
        Tap(at.x, at.y);
        char line[64];
        std::snprintf(line, sizeof line, " 0x%04x 0x%08x 0x%08lx", WM_NAVLV_PAGESCROLL, button << 16 | 0x1234,
                      (unsigned long)(uintptr_t)list.GetSafeHand());
        for (const char* window : {"owner", "respond"}) expected.push_back(window + std::string(line));
    }
    EXPECT_TRUE(SameTraffic(Log().Lines(), expected));
    EXPECT_EQ(TapRecord(240, 227).index, 3) << "the row cut off at the bar's top";
}

}  // namespace
