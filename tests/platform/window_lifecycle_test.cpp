// Creation and destruction: message order, creation data, and handles that outlive their window.
#include "support/host_fixture.h"
#include "support/message_log.h"

namespace {

using LifecycleTest = HostTest;

int refuse;  // as creation data: WM_CREATE answers -1
LPVOID createdWith = nullptr;

LRESULT CALLBACK ProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_CREATE) return DefWindowProcW(hwnd, message, wParam, lParam);
    createdWith = reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams;
    return createdWith == &refuse ? -1 : 0;
}

HWND Probe(DWORD style, HWND parent, UINT_PTR menu, LPVOID param)
{
    return CreateWindowExW(0, TEXT("Probe"), TEXT(""), style, 0, 0, 10, 10, parent, reinterpret_cast<HMENU>(menu),
                           nullptr, param);
}

// A top-level window is activated, focused and erased; at the next pump the parent is painted, then
// its child, erased only then: its parent still had to paint when it was shown.
TEST_F(LifecycleTest, VisibleWindowsGetCreateSizeMoveAndShowThenActivationAndPaint)
{
    HWND owner = CreateRecorder("main", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100);
    CreateRecorder("child", WS_CHILD | WS_VISIBLE, 10, 20, 40, 30, owner, 7);
    wincore::Pump();
    EXPECT_TRUE(SameTraffic(Log().Lines(), {
        "main WM_NCCREATE", "main WM_CREATE", "main WM_SIZE 0x00000000 0x006400c8",
        "main WM_MOVE 0x00000000 0x00000000", "main WM_SHOWWINDOW 0x00000001 0x00000000", "main WM_ACTIVATE 1 0",
        "main WM_SETFOCUS 0", "main WM_ERASEBKGND", "child WM_NCCREATE", "child WM_CREATE",
        "child WM_SIZE 0x00000000 0x001e0028", "child WM_MOVE 0x00000000 0x0014000a",
        "child WM_SHOWWINDOW 0x00000001 0x00000000", "main WM_PAINT", "child WM_PAINT", "child WM_ERASEBKGND"}));
}

// Creation data and a child's identifier arrive; refused: a second registration, WM_CREATE
// answering -1, a child without a live parent, an unknown class.
TEST_F(LifecycleTest, CreationDataIdsAndRefusals)
{
    WNDCLASSW wc = {};
    wc.lpszClassName = TEXT("Probe");
    wc.lpfnWndProc = ProbeProc;
    ASSERT_NE(RegisterClassW(&wc), 0);
    EXPECT_EQ(RegisterClassW(&wc), 0);
    HWND owner = CreateRecorder("owner", WS_POPUP, 0, 0, 100, 100);
    int marker = 0;
    HWND child = Probe(WS_CHILD, owner, 1234, &marker);
    EXPECT_EQ(createdWith, &marker);
    EXPECT_EQ((std::vector<LONG_PTR>{GetDlgCtrlID(child), GetWindowLongPtrW(child, GWLP_ID), GetParent(child) == owner}),
              (std::vector<LONG_PTR>{1234, 1234, TRUE}));
    DestroyWindow(owner);

    HWND gone = CreateRecorder("gone", WS_POPUP, 0, 0, 1, 1);
    DestroyWindow(gone);
    const std::vector<HWND> refused = {
        Probe(WS_POPUP, nullptr, 0, &refuse), Probe(WS_CHILD, nullptr, 0, nullptr), Probe(WS_CHILD, gone, 0, nullptr),
        CreateWindowExW(0, TEXT("NoSuchClass"), TEXT(""), WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr)};
    EXPECT_EQ(refused, std::vector<HWND>(refused.size(), nullptr));
    EXPECT_EQ(wincore::LiveWindows(), 0);
}

// Owned pop-ups go first; then parents hear of it before their children, and children are freed first;
// a window destroyed inside its own handler, or by another window during a nested send, is freed
// once the handlers return, its stale handle refused meanwhile.
TEST_F(LifecycleTest, Destruction)
{
    HWND main = CreateRecorder("main", WS_POPUP, 0, 0, 100, 100);
    HWND child = CreateRecorder("child", WS_CHILD, 0, 0, 50, 50, main);
    CreateRecorder("grandchild", WS_CHILD, 0, 0, 10, 10, child);
    HWND popup = CreateRecorder("popup", WS_POPUP, 10, 10, 20, 20, main);
    EXPECT_EQ(GetParent(popup), main);
    Log().Only({WM_DESTROY, WM_NCDESTROY});
    EXPECT_TRUE(DestroyWindow(main));
    EXPECT_TRUE(SameTraffic(Log().Lines(), {"popup WM_DESTROY", "popup WM_NCDESTROY", "main WM_DESTROY",
                                            "child WM_DESTROY", "grandchild WM_DESTROY", "grandchild WM_NCDESTROY",
                                            "child WM_NCDESTROY", "main WM_NCDESTROY"}));
    EXPECT_EQ(wincore::LiveWindows(), 0);

    HWND self = CreateRecorder("self", WS_POPUP, 0, 0, 100, 100);
    SetHandler(self, [](HWND h, UINT m, WPARAM, LPARAM, LRESULT& result) {
        if (m != WM_USER) return false;
        EXPECT_TRUE(DestroyWindow(h));
        EXPECT_FALSE(IsWindow(h));
        EXPECT_FALSE(DestroyWindow(h));
        SetWindowTextW(h, TEXT("after"));  // a stale handle: refused, no use of freed memory
        result = 42;
        return true;
    });
    EXPECT_EQ(SendMessageW(self, WM_USER, 0, 0), 42);
    EXPECT_EQ(wincore::LiveWindows(), 0);

    HWND a = CreateRecorder("a", WS_POPUP, 0, 0, 10, 10);
    HWND b = CreateRecorder("b", WS_POPUP, 0, 0, 10, 10);
    SetHandler(a, [b](HWND, UINT m, WPARAM, LPARAM, LRESULT&) {
        if (m == WM_USER) SendMessageW(b, WM_USER, 0, 0);
        return false;
    });
    SetHandler(b, [a](HWND, UINT m, WPARAM, LPARAM, LRESULT&) {
        if (m == WM_USER) DestroyWindow(a);
        return false;
    });
    SendMessageW(a, WM_USER, 0, 0);
    EXPECT_FALSE(IsWindow(a));
    EXPECT_TRUE(IsWindow(b));
}

TEST_F(LifecycleTest, StaleAndForeignHandlesAreRejected)
{
    HWND first = CreateRecorder("first", WS_POPUP, 0, 0, 10, 10);
    DestroyWindow(first);
    HWND second = CreateRecorder("second", WS_POPUP, 0, 0, 10, 10);
    EXPECT_NE(first, second) << "a destroyed window's handle never names a later window";
    HDC dc = CreateCompatibleDC(nullptr);
    // Every call fails, and leaves what it was given to fill untouched. A null window stands for every
    // window in InvalidateRect and for the thread in PostMessageW.
    for (HWND bad : {HWND(nullptr), first, reinterpret_cast<HWND>(dc), reinterpret_cast<HWND>(uintptr_t(0xDEADBEEF))}) {
        RECT rect = {1, 2, 3, 4};
        POINT point = {5, 6};
        const std::vector<LONG_PTR> results = {IsWindow(bad), DestroyWindow(bad), SendMessageW(bad, WM_USER, 0, 0),
            bad && PostMessageW(bad, WM_USER, 0, 0), GetClientRect(bad, &rect), ClientToScreen(bad, &point),
            SetWindowLongPtrW(bad, GWLP_USERDATA, 5), ShowWindow(bad, SW_SHOW), MoveWindow(bad, 0, 0, 5, 5, TRUE),
            bad && InvalidateRect(bad, nullptr, TRUE), LONG_PTR(SetTimer(bad, 1, 10, nullptr)), LONG_PTR(SetCapture(bad)),
            LONG_PTR(GetParent(bad)), point.x - 5, rect.left - 1};
        EXPECT_EQ(results, std::vector<LONG_PTR>(results.size(), 0)) << bad;
    }
    DeleteDC(dc);
}

TEST_F(LifecycleTest, HostStopDestroysEveryWindowAndClearsState)
{
    HWND main = CreateRecorder("main", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    CreateRecorder("child", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, main);
    SetTimer(main, 1, 100, nullptr);
    SetCapture(main);
    PostMessageW(main, WM_USER, 0, 0);
    wincore::HostStop();
    MSG msg;
    EXPECT_EQ((std::vector<LONG_PTR>{wincore::LiveWindows(), LONG_PTR(GetFocus()), LONG_PTR(GetCapture()),
                                     PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)}),
              std::vector<LONG_PTR>(4, 0));
}

}  // namespace
