// Timers on the manual clock, pen routing, capture, double taps, activation and focus.
#include "support/host_fixture.h"
#include "support/message_log.h"

namespace {

using TimersTest = HostTest;
using InputTest = HostTest;

void CALLBACK NoTimerProc(HWND, UINT, UINT_PTR, DWORD) {}

// Each tick arrives at its due time until the handler kills the timer.
TEST_F(TimersTest, AdvanceDeliversEachTickAtItsDueTimeUntilKilled)
{
    HWND a = CreateRecorder("a", WS_POPUP, 0, 0, 10, 10);
    std::vector<DWORD> times;
    SetHandler(a, [&times](HWND h, UINT m, WPARAM w, LPARAM, LRESULT&) {
        if (m != WM_TIMER) return false;
        times.push_back(wincore::HostNow());
        if (times.size() == 3) KillTimer(h, w);
        return true;
    });
    SetTimer(a, 1, 50, nullptr);
    wincore::Advance(400);
    EXPECT_EQ(times, (std::vector<DWORD>{50, 100, 150}));
    EXPECT_EQ(wincore::HostNow(), 400u);
}

TEST_F(TimersTest, TwoTimersInterleaveAndAnOverdueTimerFiresOnce)
{
    HWND a = CreateRecorder("a", WS_POPUP, 0, 0, 10, 10);
    Log().Only({WM_TIMER});
    SetTimer(a, 1, 30, nullptr);
    SetTimer(a, 2, 20, nullptr);
    wincore::Advance(60);
    EXPECT_TRUE(SameTraffic(Log().Lines(), {
                                               "a WM_TIMER 0x00000002 0x00000000",
                                               "a WM_TIMER 0x00000001 0x00000000",
                                               "a WM_TIMER 0x00000002 0x00000000",
                                               "a WM_TIMER 0x00000001 0x00000000",
                                               "a WM_TIMER 0x00000002 0x00000000",
                                           }));
    KillTimer(a, 2);
    Log().Clear();
    Sleep(1000);  // the manual clock jumps without delivering anything
    wincore::Pump();
    EXPECT_EQ(Log().Lines().size(), 1u) << "an overdue timer yields one message, not a backlog";
    EXPECT_FALSE(KillTimer(a, 2));
    EXPECT_EQ(SetTimer(a, 3, 10, NoTimerProc), 0u) << "callbacks are not supported";
}

TEST_F(InputTest, PenGoesToTheTopmostEnabledWindowUnderItInClientCoordinates)
{
    HWND main = CreateRecorder("main", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300);
    CreateRecorder("child", WS_CHILD | WS_VISIBLE, 100, 50, 100, 100, main);
    CreateRecorder("disabled", WS_CHILD | WS_VISIBLE | WS_DISABLED, 250, 50, 100, 100, main);
    wincore::Pump();
    Log().Only({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE});
    wincore::PenMove(120, 60);  // pen not down: no move
    wincore::PenDown(110, 60);
    wincore::PenMove(111, 61);
    wincore::PenUp(111, 61);
    wincore::PenDown(260, 70);
    wincore::PenUp(260, 70);
    EXPECT_TRUE(SameTraffic(Log().Lines(), {
                                               "child WM_LBUTTONDOWN 0x00000001 0x000a000a",
                                               "child WM_MOUSEMOVE 0x00000001 0x000b000b",
                                               "child WM_LBUTTONUP 0x00000000 0x000b000b",
                                               "main WM_LBUTTONDOWN 0x00000001 0x00460104",
                                               "main WM_LBUTTONUP 0x00000000 0x00460104",
                                           }));
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
    EXPECT_TRUE(SameTraffic(Log().Lines(), {
                                               "box WM_LBUTTONDOWN 0x00000001 0x000a000a",
                                               "box WM_MOUSEMOVE 0x00000001 0xfffbfff6",
                                               "box WM_LBUTTONUP 0x00000000 0x006400c8",
                                               "box WM_CAPTURECHANGED 0",
                                           }));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(InputTest, DoubleTapsOnlyForClassesThatAskForThem)
{
    CreateRecorder("plain", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    CreateRecorder("dbl", WS_POPUP | WS_VISIBLE, 200, 0, 100, 100, nullptr, 0, 0, CS_DBLCLKS);
    wincore::Pump();
    Log().Only({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK});
    auto tap = [](int x, int y) {
        wincore::PenDown(x, y);
        wincore::PenUp(x, y);
        wincore::Advance(100);
    };
    tap(10, 10);
    tap(12, 12);
    tap(210, 10);
    tap(214, 14);  // within 4 pixels and 500 ms: a double tap
    tap(214, 14);  // a third tap starts over
    tap(214, 14);
    tap(219, 14);  // 5 pixels away
    wincore::Advance(600);
    tap(219, 14);  // too late
    EXPECT_TRUE(SameTraffic(Log().Lines(), {
                                               "plain WM_LBUTTONDOWN 0x00000001 0x000a000a",
                                               "plain WM_LBUTTONDOWN 0x00000001 0x000c000c",
                                               "dbl WM_LBUTTONDOWN 0x00000001 0x000a000a",
                                               "dbl WM_LBUTTONDBLCLK 0x00000001 0x000e000e",
                                               "dbl WM_LBUTTONDOWN 0x00000001 0x000e000e",
                                               "dbl WM_LBUTTONDBLCLK 0x00000001 0x000e000e",
                                               "dbl WM_LBUTTONDOWN 0x00000001 0x000e0013",
                                               "dbl WM_LBUTTONDOWN 0x00000001 0x000e0013",
                                           }));
}

TEST_F(InputTest, PenDownOnAnotherTopLevelActivatesItBeforeThePenMessage)
{
    HWND main = CreateRecorder("main", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300);
    HWND tool = CreateRecorder("tool", WS_POPUP, 500, 0, 100, 100);
    ShowWindow(tool, SW_SHOWNA);
    wincore::Pump();
    ASSERT_EQ(GetFocus(), main);
    Log().Only({WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS, WM_LBUTTONDOWN});
    wincore::PenDown(510, 10);
    wincore::PenUp(510, 10);
    EXPECT_TRUE(SameTraffic(Log().Lines(), {
                                               "main WM_ACTIVATE 0 tool",
                                               "tool WM_ACTIVATE 2 main",
                                               "main WM_KILLFOCUS tool",
                                               "tool WM_SETFOCUS main",
                                               "tool WM_LBUTTONDOWN 0x00000001 0x000a000a",
                                           }));
    EXPECT_EQ(GetActiveWindow(), tool);
}

TEST_F(InputTest, HidingTheFocusWindowTakesTheFocusAway)
{
    HWND main = CreateRecorder("main", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300);
    HWND field = CreateRecorder("field", WS_CHILD | WS_VISIBLE, 10, 10, 100, 30, main);
    SetFocus(field);
    Log().Only({WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS});
    ShowWindow(field, SW_HIDE);
    EXPECT_EQ(GetFocus(), main);
    ShowWindow(main, SW_HIDE);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_TRUE(SameTraffic(Log().Lines(), {
                                               "field WM_KILLFOCUS main",
                                               "main WM_SETFOCUS field",
                                               "main WM_ACTIVATE 0 0",
                                               "main WM_KILLFOCUS 0",
                                           }));
}

TEST_F(InputTest, ClosingAPopupReturnsActivationToItsOwner)
{
    HWND main = CreateRecorder("main", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300);
    HWND popup = CreateRecorder("popup", WS_POPUP | WS_VISIBLE, 50, 50, 100, 100, main);
    ASSERT_EQ(GetFocus(), popup);
    Log().Only({WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS});
    DestroyWindow(popup);
    EXPECT_EQ(GetActiveWindow(), main);
    EXPECT_EQ(GetFocus(), main);
    EXPECT_TRUE(SameTraffic(Log().Lines(), {
                                               "popup WM_ACTIVATE 0 main",
                                               "main WM_ACTIVATE 1 popup",
                                               "popup WM_KILLFOCUS main",
                                               "main WM_SETFOCUS popup",
                                           }));
}

TEST_F(InputTest, DisablingAWindowCancelsItsModeThenDropsFocusAndCapture)
{
    HWND main = CreateRecorder("main", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300);
    HWND field = CreateRecorder("field", WS_CHILD | WS_VISIBLE, 10, 10, 100, 30, main);
    SetFocus(field);
    SetCapture(field);
    Log().Only({WM_CANCELMODE, WM_CAPTURECHANGED, WM_KILLFOCUS, WM_ENABLE});
    EXPECT_FALSE(EnableWindow(field, FALSE));
    EXPECT_TRUE(SameTraffic(Log().Lines(), {
                                               "field WM_CANCELMODE 0x00000000 0x00000000",
                                               "field WM_CAPTURECHANGED 0",
                                               "field WM_KILLFOCUS 0",
                                               "field WM_ENABLE 0x00000000 0x00000000",
                                           }));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(IsWindowEnabled(field));
    EXPECT_EQ(SetFocus(field), nullptr) << "a disabled window cannot take the focus";
    EXPECT_TRUE(EnableWindow(field, TRUE));

    SetCapture(field);
    SendMessageW(field, WM_CANCELMODE, 0, 0);
    EXPECT_EQ(GetCapture(), nullptr) << "the default handling lets the capture go";
}

TEST_F(InputTest, APenDownOnAnInactiveWindowAsksTheWindowAndItsParentsBeforeActivating)
{
    HWND main = CreateRecorder("main", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300);
    CreateRecorder("field", WS_CHILD | WS_VISIBLE, 10, 10, 100, 30, main);
    HWND other = CreateRecorder("other", WS_POPUP | WS_VISIBLE, 500, 0, 100, 100);
    ASSERT_EQ(GetActiveWindow(), other);
    Log().Only({WM_MOUSEACTIVATE, WM_ACTIVATE, WM_LBUTTONDOWN});
    wincore::PenDown(20, 20);
    wincore::PenUp(20, 20);
    EXPECT_TRUE(SameTraffic(Log().Lines(), {
                                               "field WM_MOUSEACTIVATE main 0x02010001",
                                               "main WM_MOUSEACTIVATE main 0x02010001",
                                               "other WM_ACTIVATE 0 main",
                                               "main WM_ACTIVATE 2 other",
                                               "field WM_LBUTTONDOWN 0x00000001 0x000a000a",
                                           }));

    // A parent's answer stands for its child: here, no activation and the pen-down is eaten.
    SetActiveWindow(other);
    SetHandler(main, [](HWND, UINT message, WPARAM, LPARAM, LRESULT& result) {
        if (message != WM_MOUSEACTIVATE) return false;
        result = MA_NOACTIVATEANDEAT;
        return true;
    });
    Log().Clear();
    wincore::PenDown(20, 20);
    wincore::PenUp(20, 20);
    EXPECT_EQ(GetActiveWindow(), other);
    EXPECT_TRUE(SameTraffic(Log().Lines(), {
                                               "field WM_MOUSEACTIVATE main 0x02010001",
                                               "main WM_MOUSEACTIVATE main 0x02010001",
                                           }));
}

}  // namespace
