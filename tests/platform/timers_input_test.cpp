// Timers on the manual clock, pen routing, capture, double taps, activation and focus.
#include <functional>

#include "support/owner_fixture.h"

namespace {

using TimersTest = HostTest;
using InputTest = HostTest;

void CALLBACK NoTimerProc(HWND, UINT, UINT_PTR, DWORD) {}

// Two timers interleave at their due times, one until its own handler kills it; an overdue timer
// yields one message, not a backlog.
TEST_F(TimersTest, TicksArriveWhenDueAndAnOverdueTimerFiresOnce)
{
    HWND a = CreateRecorder("a", WS_POPUP, 0, 0, 10, 10);
    std::string ticks;
    int seconds = 0;
    SetHandler(a, [&](HWND h, UINT m, WPARAM id, LPARAM, LRESULT&) {
        if (m != WM_TIMER) return false;
        ticks += std::to_string(id) + "@" + std::to_string(wincore::HostNow()) + " ";
        if (id == 2 && ++seconds == 3) KillTimer(h, id);
        return true;
    });
    SetTimer(a, 1, 30, nullptr);
    SetTimer(a, 2, 20, nullptr);
    wincore::Advance(70);
    EXPECT_EQ(ticks, "2@20 1@30 2@40 1@60 2@60 ");
    EXPECT_FALSE(KillTimer(a, 2));
    ticks.clear();
    Sleep(1000);  // the manual clock jumps without delivering anything
    wincore::Pump();
    EXPECT_EQ(ticks, "1@1070 ");
    EXPECT_EQ(SetTimer(a, 3, 10, NoTimerProc), 0u) << "callbacks are not supported";
}

TEST_F(InputTest, CaptureTakesThePenEverywhereWithWrappedCoordinates)
{
    HWND main = CreateRecorder("main", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300);
    HWND box = CreateRecorder("box", WS_CHILD | WS_VISIBLE, 100, 100, 50, 50, main);
    SetHandler(box, [](HWND h, UINT m, WPARAM, LPARAM, LRESULT&) {
        if (m == WM_LBUTTONDOWN) SetCapture(h);
        if (m == WM_LBUTTONUP) ReleaseCapture();
        return false;
    });
    wincore::Pump();
    Log().Only({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE, WM_CAPTURECHANGED});
    wincore::PenDown(110, 110);
    wincore::PenMove(90, 95);
    wincore::PenUp(300, 200);
    EXPECT_TRUE(SameTraffic(Log().Lines(), {"box WM_LBUTTONDOWN 0x00000001 0x000a000a",
                                            "box WM_MOUSEMOVE 0x00000001 0xfffbfff6",
                                            "box WM_LBUTTONUP 0x00000000 0x006400c8", "box WM_CAPTURECHANGED 0"}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(InputTest, DoubleTapsOnlyForClassesThatAskForThem)
{
    CreateRecorder("plain", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    CreateRecorder("dbl", WS_POPUP | WS_VISIBLE, 200, 0, 100, 100, nullptr, 0, 0, CS_DBLCLKS);
    wincore::Pump();
    Log().Only({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK});
    // A second tap within 500 ms, in the 4 x 4 rectangle centred on the first (1 pixel either side
    // of it, not 2), is a double tap; a third tap starts over.
    for (POINT at : {POINT{10, 10}, {12, 12}, {210, 10}, {209, 11}, {209, 11}, {207, 11}, {207, 13}, {208, 12}}) {
        Tap(at.x, at.y);
        wincore::Advance(100);
    }
    wincore::Advance(600);
    Tap(208, 12);
    EXPECT_TRUE(SameTraffic(Log().Lines(), {
        "plain WM_LBUTTONDOWN 0x00000001 0x000a000a", "plain WM_LBUTTONDOWN 0x00000001 0x000c000c",
        "dbl WM_LBUTTONDOWN 0x00000001 0x000a000a", "dbl WM_LBUTTONDBLCLK 0x00000001 0x000b0009",
        "dbl WM_LBUTTONDOWN 0x00000001 0x000b0009", "dbl WM_LBUTTONDOWN 0x00000001 0x000b0007",
        "dbl WM_LBUTTONDOWN 0x00000001 0x000d0007", "dbl WM_LBUTTONDBLCLK 0x00000001 0x000c0008",
        "dbl WM_LBUTTONDOWN 0x00000001 0x000c0008"}));
    EXPECT_EQ(std::make_pair(GetSystemMetrics(SM_CXDOUBLECLK), GetSystemMetrics(SM_CYDOUBLECLK)), std::make_pair(4, 4));
}

// Each row starts from a fresh, active "main" (400 x 300 at the origin) with a child "field"
// (10, 10, 100 x 30); other top-level windows are main's pop-ups, so that they go with it. The
// row records what it chooses, acts, and its whole traffic must match.
TEST_F(InputTest, RoutingActivationAndFocus)
{
    struct Row {
        const char* name;
        std::function<void(HWND main, HWND field)> act;
        std::vector<std::string> expected;
    };
    const Row rows[] = {
        {"the pen goes to the topmost enabled window under it, in client coordinates",
         [](HWND main, HWND) {
             CreateRecorder("child", WS_CHILD | WS_VISIBLE, 100, 50, 100, 100, main);
             CreateRecorder("disabled", WS_CHILD | WS_VISIBLE | WS_DISABLED, 250, 50, 100, 100, main);
             wincore::Pump();
             Log().Only({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE});
             wincore::PenMove(120, 60);  // pen not down: no move
             wincore::PenDown(110, 60);
             wincore::PenMove(111, 61);
             wincore::PenUp(111, 61);
             Tap(260, 70);
         },
         {"child WM_LBUTTONDOWN 0x00000001 0x000a000a", "child WM_MOUSEMOVE 0x00000001 0x000b000b",
          "child WM_LBUTTONUP 0x00000000 0x000b000b", "main WM_LBUTTONDOWN 0x00000001 0x00460104",
          "main WM_LBUTTONUP 0x00000000 0x00460104"}},
        {"a pen-down on another top-level window activates it before the pen message",
         [](HWND main, HWND) {
             HWND tool = CreateRecorder("tool", WS_POPUP, 500, 0, 100, 100, main);
             ShowWindow(tool, SW_SHOWNA);
             wincore::Pump();
             ASSERT_EQ(GetFocus(), main);
             Log().Only({WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS, WM_LBUTTONDOWN});
             Tap(510, 10);
         },
         {"main WM_ACTIVATE 0 tool", "tool WM_ACTIVATE 2 main", "main WM_KILLFOCUS tool", "tool WM_SETFOCUS main",
          "tool WM_LBUTTONDOWN 0x00000001 0x000a000a"}},
        {"a parent's answer to WM_MOUSEACTIVATE stands for its child: activate, then eat the pen",
         [](HWND main, HWND) {
             HWND other = CreateRecorder("other", WS_POPUP | WS_VISIBLE, 500, 0, 100, 100, main);
             ASSERT_EQ(GetActiveWindow(), other);
             Log().Only({WM_MOUSEACTIVATE, WM_ACTIVATE, WM_LBUTTONDOWN});
             Tap(20, 20);
             SetActiveWindow(other);
             SetHandler(main, [](HWND, UINT message, WPARAM, LPARAM, LRESULT& result) {
                 result = MA_NOACTIVATEANDEAT;
                 return message == WM_MOUSEACTIVATE;
             });
             Tap(20, 20);
             EXPECT_EQ(GetActiveWindow(), other);
         },
         {"field WM_MOUSEACTIVATE main 0x02010001", "main WM_MOUSEACTIVATE main 0x02010001",
          "other WM_ACTIVATE 0 main", "main WM_ACTIVATE 2 other", "field WM_LBUTTONDOWN 0x00000001 0x000a000a",
          "main WM_ACTIVATE 0 other", "other WM_ACTIVATE 1 main", "field WM_MOUSEACTIVATE main 0x02010001",
          "main WM_MOUSEACTIVATE main 0x02010001"}},
        {"hiding the focus window, then its parent, takes the focus away",
         [](HWND main, HWND field) {
             SetFocus(field);
             Log().Only({WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS});
             ShowWindow(field, SW_HIDE);
             ShowWindow(main, SW_HIDE);
             EXPECT_EQ(GetActiveWindow(), nullptr);
         },
         {"field WM_KILLFOCUS main", "main WM_SETFOCUS field", "main WM_ACTIVATE 0 0", "main WM_KILLFOCUS 0"}},
        {"closing a pop-up returns activation and focus to its owner",
         [](HWND main, HWND) {
             HWND popup = CreateRecorder("popup", WS_POPUP | WS_VISIBLE, 50, 50, 100, 100, main);
             ASSERT_EQ(GetFocus(), popup);
             Log().Only({WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS});
             DestroyWindow(popup);
         },
         {"popup WM_ACTIVATE 0 main", "main WM_ACTIVATE 1 popup", "popup WM_KILLFOCUS main",
          "main WM_SETFOCUS popup"}},
        {"disabling a window cancels its mode, then drops focus and capture",
         [](HWND, HWND field) {
             SetFocus(field);
             SetCapture(field);
             Log().Only({WM_CANCELMODE, WM_CAPTURECHANGED, WM_KILLFOCUS, WM_ENABLE});
             EXPECT_FALSE(EnableWindow(field, FALSE));
             EXPECT_FALSE(IsWindowEnabled(field));
             EXPECT_EQ(SetFocus(field), nullptr) << "a disabled window cannot take the focus";
             EXPECT_TRUE(EnableWindow(field, TRUE));
             SetCapture(field);
             SendMessageW(field, WM_CANCELMODE, 0, 0);
             EXPECT_EQ(GetCapture(), nullptr) << "the default handling lets the capture go";
         },
         {"field WM_CANCELMODE 0x00000000 0x00000000", "field WM_CAPTURECHANGED 0", "field WM_KILLFOCUS 0",
          "field WM_ENABLE 0x00000000 0x00000000", "field WM_ENABLE 0x00000001 0x00000000",
          "field WM_CANCELMODE 0x00000000 0x00000000", "field WM_CAPTURECHANGED 0"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        HWND main = CreateRecorder("main", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300);
        HWND field = CreateRecorder("field", WS_CHILD | WS_VISIBLE, 10, 10, 100, 30, main);
        wincore::Pump();
        row.act(main, field);
        EXPECT_TRUE(SameTraffic(Log().Lines(), row.expected));
        Log().Only({});
        SetHandler(main, {});
        DestroyWindow(main);
    }
}

}  // namespace
