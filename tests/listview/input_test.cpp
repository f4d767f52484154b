// Taps, double taps and page-scroll buttons: what the owner and then the respond window
// receive, and receivers that change or end the list from inside their handler.
#include <cstdio>
#include <functional>

#include "listview/list_probe.h"

namespace {

using ListInput = ListTest;

std::string Line(const char* window, UINT message, WPARAM wParam, const void* lParam)
{
    char text[96];
    std::snprintf(text, sizeof text, "%s 0x%04x 0x%08lx 0x%08lx", window, message, (unsigned long)wParam,
                  (unsigned long)(uintptr_t)lParam);
    return text;
}

TEST_F(ListInput, TapsSendTheRowAsLastPaintedToTheOwnerThenTheRespondWindow)
{
    ProbeList list;
    list.SetCheckBox(1);
    Open(list, RECT{0, 0, 400, 300}, 10);
    list.SetRespondHwnd(CreateRecorder("respond", WS_POPUP, 0, 0, 10, 10));
    list.SetCurrentSel(0);
    std::vector<tagNAVLVITME> notes;
    SetHandler(owner, [&](HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
        if (message == WM_NAVLV_ITEMNOTIFY && wParam == 7) notes.push_back(*reinterpret_cast<tagNAVLVITME*>(lParam));
        return false;
    });
    Log().Only({WM_NAVLV_ITEMNOTIFY});
    Tap(100, 270);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].notifyCode, NAVLV_NOTIFY_TAP);
    EXPECT_EQ(notes[0].index, 4);
    EXPECT_EQ(notes[0].state, NAVLV_STATE_NEW) << "the state of before the tap";
    EXPECT_EQ(Str(notes[0].rect), "0,240,400,300");
    ASSERT_EQ(Log().Lines().size(), 2u);
    std::string sent = Log().Lines()[0].substr(5);  // the same record goes to both
    EXPECT_TRUE(SameTraffic(Log().Lines(), {"owner" + sent, "respond" + sent}));
    EXPECT_EQ(list.items[4].state, NAVLV_STATE_NEW | NAVLV_STATE_CHECKED | NAVLV_STATE_SELECTED);
    EXPECT_EQ(list.items[0].state, NAVLV_STATE_NEW);

    // The class asks for no double clicks, so the double tap is sent here.
    SendMessageW(list.GetSafeHand(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(100, 90));
    SendMessageW(list.GetSafeHand(), WM_LBUTTONUP, 0, MAKELPARAM(100, 90));
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[1].notifyCode, NAVLV_NOTIFY_DBLTAP);
    EXPECT_EQ(notes[1].index, 1);
    EXPECT_EQ(list.items[4].state, NAVLV_STATE_NEW | NAVLV_STATE_CHECKED) << "the mark moved to item 1";

    wincore::PenDown(100, 150);  // down on row 2, lifted over another row
    wincore::PenMove(100, 200);
    wincore::PenUp(100, 200);
    EXPECT_EQ(notes.size(), 2u);
}

TEST_F(ListInput, PageScrollButtonsLaidOutAlongTheBottomReportTheirNumber)
{
    ProbeList list;
    list.EnablePageScroll(1);
    for (int i = 0; i < 5; i++) list.AddItem(TEXT("row"), -1, 0);
    ASSERT_EQ(list.Create(nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 480, 272}, owner, 0x1234, -1), 1);
    EXPECT_EQ(list.pageSize, 3) << "rows per page before the first paint";
    wincore::Pump();
    EXPECT_EQ(Str(list.listRect) + " " + Str(list.pageBarRect), "0,0,480,228 0,228,480,272");
    EXPECT_EQ(Str(list.pageButtons[0].rc) + " " + Str(list.pageButtons[1].rc) + " " + Str(list.pageButtons[2].rc),
              "0,228,106,272 374,228,480,272 106,228,374,272");

    list.SetRespondHwnd(CreateRecorder("respond", WS_POPUP, 0, 0, 10, 10));
    Log().Only({WM_NAVLV_PAGESCROLL, WM_NAVLV_ITEMNOTIFY});
    for (int x : {50, 430, 240}) Tap(x, 250);
    std::vector<std::string> expected;
    for (WPARAM button : {0, 1, 2})
        for (const char* window : {"owner", "respond"})
            expected.push_back(Line(window, WM_NAVLV_PAGESCROLL, button << 16 | 0x1234, list.GetSafeHand()));
    EXPECT_TRUE(SameTraffic(Log().Lines(), expected));

    Log().Clear();
    wincore::PenDown(240, 250);
    EXPECT_EQ(list.pageButtons[2].state, 1);
    wincore::PenMove(240, 60);
    wincore::PenUp(240, 60);  // slid off the button: nothing sent
    EXPECT_EQ(list.pageButtons[2].state, 0);

    // A disabled button presses nothing, and the row cut off under the bar is not hit there.
    list.SetPageScroll(0, 1, 1);
    wincore::PenDown(50, 235);
    EXPECT_EQ(list.pageButtons[0].state, 2);
    wincore::PenMove(50, 100);
    wincore::PenUp(50, 100);
    Tap(50, 235);
    EXPECT_EQ(list.firstRowBottom, 60) << "a drag from the bar never moves the rows";
    EXPECT_EQ(list.GetCurrentSel(), -1);
    EXPECT_TRUE(Log().Lines().empty());
}

TEST_F(ListInput, ReceiversMayChangeOrEndTheListInsideTheirHandler)
{
    const std::vector<std::function<void(ProbeList&)>> actions = {
        [](ProbeList& list) { list.DeleteAllItems(); },
        [](ProbeList& list) { ShowWindow(list.GetSafeHand(), SW_HIDE); },
        [](ProbeList& list) { list.Destroy(); },
        [](ProbeList& list) { list.SetCurrentSel(3); },
    };
    for (size_t a = 0; a < actions.size(); a++) {
        for (bool doubleTap : {false, true}) {  // a tap, then a double tap
            ProbeList list;
            Open(list, RECT{0, 0, 400, 300}, 6);
            HWND window = list.GetSafeHand(), respond = CreateRecorder("respond", WS_POPUP, 0, 0, 10, 10);
            list.SetRespondHwnd(respond);
            SetHandler(owner, [&](HWND, UINT message, WPARAM, LPARAM, LRESULT&) {
                if (message == WM_NAVLV_ITEMNOTIFY) actions[a](list);
                return false;
            });
            WString received;
            SetHandler(respond, [&](HWND, UINT message, WPARAM, LPARAM lParam, LRESULT&) {
                if (message == WM_NAVLV_ITEMNOTIFY) received = Text(*reinterpret_cast<tagNAVLVITME*>(lParam));
                return false;
            });
            if (doubleTap)
                SendMessageW(window, WM_LBUTTONDBLCLK, 0, MAKELPARAM(100, 90));
            else
                Tap(100, 90);
            wincore::Advance(500);
            EXPECT_EQ(received, TEXT("Item 1")) << a;
            switch (a) {
            case 0: EXPECT_TRUE(list.GetItemCount() == 0 && list.GetCurrentSel() == -1); break;
            case 1: EXPECT_FALSE(IsWindowVisible(window)); break;
            case 2: EXPECT_TRUE(!IsWindow(window) && !list.GetSafeHand()); break;
            default: EXPECT_TRUE(list.GetCurrentSel() == 3 && list.items[1].state == NAVLV_STATE_NEW);
            }
            ClearHandlers();
            DestroyWindow(respond);
        }
    }
}

}  // namespace
