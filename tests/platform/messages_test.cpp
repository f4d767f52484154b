// Sending, posting and the order in which a pump hands out messages; painting and subclassing.
#include <functional>

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

// What is erased at once (before "--") and what only at the next paint. Each row starts from a
// painted "main" (200 x 100) with a child (10, 20, 40 x 30) and a hidden child "h", and a hidden
// pop-up "p" of main's with a child "c".
TEST_F(MessagesTest, ErasingAtOnceOrAtThePaint)
{
    struct Windows {
        HWND main, child, h, p;
    };
    const struct {
        const char* name;
        std::function<void(const Windows&)> act;
        std::vector<std::string> expected;
    } rows[] = {
        {"a window is erased as it is shown; its children wait for its paint",
         [](const Windows& w) { ShowWindow(w.p, SW_SHOW); },
         {"p WM_SHOWWINDOW 0x00000001 0x00000000", "p WM_ERASEBKGND", "--", "p WM_PAINT", "c WM_PAINT", "c WM_ERASEBKGND"}},
        {"a parent that clips its children lets them erase at once too",
         [](const Windows& w) {
             SetWindowLongPtrW(w.p, GWL_STYLE, WS_POPUP | WS_CLIPCHILDREN);
             ShowWindow(w.p, SW_SHOWNA);
         },
         {"p WM_SHOWWINDOW 0x00000001 0x00000000", "p WM_ERASEBKGND", "c WM_ERASEBKGND", "--", "p WM_PAINT", "c WM_PAINT"}},
        {"SetWindowPos showing a window",
         [](const Windows& w) {
             SetWindowPos(w.p, nullptr, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
         },
         {"p WM_ERASEBKGND", "--", "p WM_PAINT", "c WM_PAINT", "c WM_ERASEBKGND"}},
        {"a child shown over its painted parent", [](const Windows& w) { ShowWindow(w.h, SW_SHOW); },
         {"h WM_SHOWWINDOW 0x00000001 0x00000000", "h WM_ERASEBKGND", "--", "h WM_PAINT"}},
        {"a child shown while its parent has yet to paint waits for that paint",
         [](const Windows& w) {
             InvalidateRect(w.main, nullptr, TRUE);
             ShowWindow(w.h, SW_SHOW);
         },
         {"h WM_SHOWWINDOW 0x00000001 0x00000000", "--", "main WM_PAINT", "main WM_ERASEBKGND", "child WM_PAINT",
          "child WM_ERASEBKGND", "h WM_PAINT", "h WM_ERASEBKGND"}},
        {"hiding a child erases what it uncovers at once", [](const Windows& w) { ShowWindow(w.child, SW_HIDE); },
         {"child WM_SHOWWINDOW 0x00000000 0x00000000", "main WM_ERASEBKGND", "--", "main WM_PAINT"}},
        {"a growing top-level window erases before it hears of its size",
         [](const Windows& w) {
             DestroyWindow(GetWindow(w.p, GW_CHILD));
             ShowWindow(w.p, SW_SHOWNA);
             wincore::Pump();
             Log().Clear();
             MoveWindow(w.p, 300, 0, 120, 120, TRUE);
         },
         {"p WM_ERASEBKGND", "p WM_SIZE 0x00000000 0x00780078", "--", "p WM_PAINT"}},
        {"InvalidateRect erases at the paint", [](const Windows& w) { InvalidateRect(w.main, nullptr, TRUE); },
         {"--", "main WM_PAINT", "main WM_ERASEBKGND", "child WM_PAINT", "child WM_ERASEBKGND"}},
        {"RDW_ERASENOW erases at once, and the paint does not again",
         [](const Windows& w) {
             const RECT corner = {0, 0, 50, 50};
             EXPECT_TRUE(RedrawWindow(w.main, &corner, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW));
         },
         {"main WM_ERASEBKGND", "--", "main WM_PAINT", "child WM_PAINT", "child WM_ERASEBKGND"}},
        {"RDW_ALLCHILDREN erases the children at once too",
         [](const Windows& w) {
             EXPECT_TRUE(RedrawWindow(w.main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW | RDW_ALLCHILDREN));
         },
         {"main WM_ERASEBKGND", "child WM_ERASEBKGND", "--", "main WM_PAINT", "child WM_PAINT"}},
        {"RDW_UPDATENOW paints at once, leaving the children of a parent that does not clip them",
         [](const Windows& w) {
             InvalidateRect(w.main, nullptr, TRUE);
             EXPECT_TRUE(RedrawWindow(w.main, nullptr, nullptr, RDW_UPDATENOW));
         },
         {"main WM_PAINT", "main WM_ERASEBKGND", "--", "child WM_PAINT", "child WM_ERASEBKGND"}},
    };
    for (const auto& row : rows) {
        Windows w;
        w.main = CreateRecorder("main", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100);
        w.child = CreateRecorder("child", WS_CHILD | WS_VISIBLE, 10, 20, 40, 30, w.main);
        w.h = CreateRecorder("h", WS_CHILD, 100, 0, 40, 40, w.main);
        w.p = CreateRecorder("p", WS_POPUP, 300, 0, 100, 100, w.main);
        CreateRecorder("c", WS_CHILD | WS_VISIBLE, 0, 0, 40, 40, w.p);
        wincore::Pump();
        Log().Only({WM_ERASEBKGND, WM_PAINT, WM_SHOWWINDOW, WM_SIZE});
        row.act(w);
        std::vector<std::string> lines = Log().Lines();
        lines.push_back("--");
        Log().Clear();
        wincore::Pump();
        lines.insert(lines.end(), Log().Lines().begin(), Log().Lines().end());
        EXPECT_TRUE(SameTraffic(lines, row.expected)) << row.name;
        DestroyWindow(w.main);
    }
}

// A window that leaves its erasing undone at once hears of it from BeginPaint, without a second
// WM_ERASEBKGND; RedrawWindow refuses a foreign region.
TEST_F(MessagesTest, AnUnansweredEraseIsReportedByBeginPaint)
{
    HWND p = CreateRecorder("p", WS_POPUP, 0, 0, 100, 100);
    std::vector<BOOL> reported;
    SetHandler(p, [&reported](HWND h, UINT m, WPARAM, LPARAM, LRESULT& result) {
        if (m == WM_ERASEBKGND) return result = 0, true;
        if (m != WM_PAINT) return false;
        PAINTSTRUCT paint;
        BeginPaint(h, &paint);
        reported.push_back(paint.fErase);
        EndPaint(h, &paint);
        return true;
    });
    Log().Only({WM_ERASEBKGND, WM_PAINT});
    ShowWindow(p, SW_SHOW);
    wincore::Pump();
    InvalidateRect(p, nullptr, FALSE);
    wincore::Pump();
    EXPECT_TRUE(SameTraffic(Log().Lines(), {"p WM_ERASEBKGND", "p WM_PAINT", "p WM_PAINT"}));
    EXPECT_EQ(reported, (std::vector<BOOL>{TRUE, FALSE}));
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_FALSE(RedrawWindow(p, nullptr, reinterpret_cast<HRGN>(dc), RDW_INVALIDATE));
    DeleteDC(dc);
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
