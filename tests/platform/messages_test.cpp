// Sending, posting and the order in which a pump hands out messages; painting and subclassing.
#include "support/host_fixture.h"
#include "support/message_log.h"

namespace {

using MessagesTest = HostTest;

TEST_F(MessagesTest, SendMessageCallsAtOnceAndMayReenter)
{
    HWND a = CreateRecorder("a", WS_POPUP, 0, 0, 10, 10);
    HWND b = CreateRecorder("b", WS_POPUP, 0, 0, 10, 10);
    Log().Only({WM_USER, WM_USER + 1, WM_USER + 2});
    SetHandler(a, [b](HWND, UINT m, WPARAM, LPARAM, LRESULT& r) {
        if (m == WM_USER) r = SendMessageW(b, WM_USER + 1, 0, 0) + 1;
        if (m == WM_USER + 2) r = 10;
        return m == WM_USER || m == WM_USER + 2;
    });
    SetHandler(b, [a](HWND, UINT m, WPARAM, LPARAM, LRESULT& r) {
        if (m == WM_USER + 1) r = SendMessageW(a, WM_USER + 2, 0, 0) * 2;
        return m == WM_USER + 1;
    });
    EXPECT_EQ(SendMessageW(a, WM_USER, 0, 0), 21);
    EXPECT_TRUE(SameTraffic(Log().Lines(), {"a WM_USER 0x00000000 0x00000000", "b 0x0401 0x00000000 0x00000000",
                                            "a 0x0402 0x00000000 0x00000000"}));
}

// On the manual clock: posted messages, then paint, then timers.
TEST_F(MessagesTest, PumpOrderOnTheManualClock)
{
    HWND a = CreateRecorder("a", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10);
    wincore::Pump();
    Log().Only({WM_USER, WM_PAINT, WM_TIMER});
    SetTimer(a, 3, 10, nullptr);
    InvalidateRect(a, nullptr, FALSE);
    PostMessageW(a, WM_USER, 1, 2);
    wincore::Advance(10);
    EXPECT_TRUE(SameTraffic(Log().Lines(), {"a WM_USER 0x00000001 0x00000002", "a WM_PAINT",
                                            "a WM_TIMER 0x00000003 0x00000000"}));
}

// Several invalidations make one paint over their union; erasing only when asked, and never for
// hidden windows.
TEST_F(MessagesTest, InvalidationsMakeOnePaintOverTheirUnionAndEraseOnlyWhenAsked)
{
    HWND a = CreateRecorder("a", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND hidden = CreateRecorder("hidden", WS_POPUP, 0, 0, 100, 100);
    wincore::Pump();
    Log().Only({WM_PAINT, WM_ERASEBKGND});
    RECT painted = {};
    SetHandler(a, [&painted](HWND h, UINT m, WPARAM, LPARAM, LRESULT&) {
        if (m != WM_PAINT) return false;
        PAINTSTRUCT paint;
        BeginPaint(h, &paint);
        painted = paint.rcPaint;
        EndPaint(h, &paint);
        return true;
    });
    RECT first = {10, 10, 20, 20}, second = {50, 60, 70, 80}, united = {10, 10, 70, 80};
    for (const RECT* rect : {&first, &second, &first}) InvalidateRect(a, rect, FALSE);
    InvalidateRect(hidden, nullptr, TRUE);
    wincore::Pump();
    EXPECT_TRUE(EqualRect(&painted, &united));
    InvalidateRect(a, nullptr, TRUE);
    wincore::Pump();
    EXPECT_TRUE(SameTraffic(Log().Lines(), {"a WM_PAINT", "a WM_PAINT", "a WM_ERASEBKGND"}));
}

TEST_F(MessagesTest, UnansweredPaintIsNotRepeatedForever)
{
    HWND a = CreateRecorder("a", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10);
    SetHandler(a, [](HWND, UINT m, WPARAM, LPARAM, LRESULT&) { return m == WM_PAINT; });
    Log().Only({WM_PAINT});
    wincore::Pump();
    wincore::Pump();
    EXPECT_EQ(Log().Lines().size(), 1u);
}

TEST_F(MessagesTest, UpdateWindowPaintsAtOnceParentFirst)
{
    HWND a = CreateRecorder("a", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    CreateRecorder("child", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, a);
    Log().Only({WM_PAINT});
    UpdateWindow(a);
    EXPECT_TRUE(SameTraffic(Log().Lines(), {"a WM_PAINT", "child WM_PAINT"}));
    wincore::Pump();
    EXPECT_EQ(Log().Lines().size(), 2u) << "nothing left to paint";
}

// A subclass consumes one message and hands the rest to the original procedure.
TEST_F(MessagesTest, SubclassingThroughTheWindowProcedureSlot)
{
    HWND a = CreateRecorder("a", WS_POPUP, 0, 0, 10, 10);
    static WNDPROC original;
    WNDPROC sub = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        return m == WM_USER + 5 ? 99 : CallWindowProcW(original, h, m, w, l);
    };
    original = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(a, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(sub)));
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(a, GWLP_WNDPROC)), sub);
    Log().Only({WM_USER, WM_USER + 5});
    EXPECT_EQ(SendMessageW(a, WM_USER + 5, 0, 0), 99);
    SendMessageW(a, WM_USER, 0, 0);
    EXPECT_TRUE(SameTraffic(Log().Lines(), {"a WM_USER 0x00000000 0x00000000"}));
}

}  // namespace
