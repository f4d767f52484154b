// Creation and destruction: message order, creation data, and handles that outlive their window.
#include "support/host_fixture.h"
#include "support/message_log.h"

namespace {

using LifecycleTest = HostTest;

// A top-level window is activated and focused; a child is painted at the next pump.
TEST_F(LifecycleTest, VisibleWindowsGetCreateSizeMoveAndShowThenActivationOrPaint)
{
    HWND owner = CreateRecorder("main", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100);
    EXPECT_TRUE(SameTraffic(Log().Lines(), {
                                               "main WM_NCCREATE",
                                               "main WM_CREATE",
                                               "main WM_SIZE 0x00000000 0x006400c8",
                                               "main WM_MOVE 0x00000000 0x00000000",
                                               "main WM_SHOWWINDOW 0x00000001 0x00000000",
                                               "main WM_ACTIVATE 1 0",
                                               "main WM_SETFOCUS 0",
                                           }));
    wincore::Pump();
    Log().Clear();
    CreateRecorder("child", WS_CHILD | WS_VISIBLE, 10, 20, 40, 30, owner, 7);
    wincore::Pump();
    EXPECT_TRUE(SameTraffic(Log().Lines(), {
                                               "child WM_NCCREATE",
                                               "child WM_CREATE",
                                               "child WM_SIZE 0x00000000 0x001e0028",
                                               "child WM_MOVE 0x00000000 0x0014000a",
                                               "child WM_SHOWWINDOW 0x00000001 0x00000000",
                                               "child WM_PAINT",
                                               "child WM_ERASEBKGND",
                                           }));
}

TEST_F(LifecycleTest, CreateParamsReachWmCreateAndAChildsIdIsInTheMenuSlot)
{
    int marker = 0;
    LPVOID seen = nullptr;
    HWND owner = CreateRecorder("owner", WS_POPUP, 0, 0, 100, 100);
    static LPVOID* out;
    out = &seen;
    WNDCLASSW wc = {};
    wc.lpszClassName = TEXT("ParamProbe");
    wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_CREATE) *out = reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams;
        return DefWindowProcW(h, m, w, l);
    };
    ASSERT_NE(RegisterClassW(&wc), 0);
    EXPECT_EQ(RegisterClassW(&wc), 0) << "a second registration fails";
    HWND child = CreateWindowExW(0, TEXT("ParamProbe"), TEXT(""), WS_CHILD, 0, 0, 10, 10, owner,
                                 reinterpret_cast<HMENU>(UINT_PTR(1234)), nullptr, &marker);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(seen, &marker);
    EXPECT_EQ(GetDlgCtrlID(child), 1234);
    EXPECT_EQ(GetWindowLongPtrW(child, GWLP_ID), 1234);
    EXPECT_EQ(GetParent(child), owner);
    EXPECT_EQ(CreateWindowExW(0, TEXT("ParamProbe"), TEXT(""), WS_POPUP, 0, 0, 10, 10, owner,
                              reinterpret_cast<HMENU>(UINT_PTR(1070)), nullptr, nullptr),
              nullptr)
        << "a pop-up's menu slot names a menu, and 1070 is none";
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_MENU_HANDLE));
    HWND popup = CreateWindowExW(0, TEXT("ParamProbe"), TEXT(""), WS_POPUP, 0, 0, 10, 10, owner, nullptr, nullptr,
                                 nullptr);
    EXPECT_EQ(GetDlgCtrlID(popup), 0);
    SetWindowLongPtrW(popup, GWLP_ID, 1070);
    EXPECT_EQ(GetDlgCtrlID(popup), 1070) << "an identifier is given to a pop-up afterwards";
    DestroyWindow(popup);
    DestroyWindow(child);
}

TEST_F(LifecycleTest, CreateFailsWithoutClassOrValidParentOrWhenCreateRefuses)
{
    EXPECT_EQ(CreateWindowExW(0, TEXT("NoSuchClass"), TEXT(""), WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    EXPECT_EQ(CreateRecorder("orphan", WS_CHILD, 0, 0, 1, 1), nullptr);
    HWND stale = CreateRecorder("gone", WS_POPUP, 0, 0, 1, 1);
    DestroyWindow(stale);
    EXPECT_EQ(CreateRecorder("child", WS_CHILD, 0, 0, 1, 1, stale), nullptr);

    WNDCLASSW wc = {};
    wc.lpszClassName = TEXT("Refuser");
    wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        return m == WM_CREATE ? -1 : DefWindowProcW(h, m, w, l);
    };
    RegisterClassW(&wc);
    EXPECT_EQ(CreateWindowExW(0, TEXT("Refuser"), TEXT(""), WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(wincore::LiveWindows(), 0);
}

TEST_F(LifecycleTest, DestroyNotifiesParentBeforeChildrenAndFreesChildrenFirst)
{
    HWND main = CreateRecorder("main", WS_POPUP, 0, 0, 100, 100);
    HWND child = CreateRecorder("child", WS_CHILD, 0, 0, 50, 50, main);
    CreateRecorder("grandchild", WS_CHILD, 0, 0, 10, 10, child);
    Log().Clear();
    EXPECT_TRUE(DestroyWindow(main));
    EXPECT_TRUE(SameTraffic(Log().Lines(), {
                                               "main WM_DESTROY",
                                               "child WM_DESTROY",
                                               "grandchild WM_DESTROY",
                                               "grandchild WM_NCDESTROY",
                                               "child WM_NCDESTROY",
                                               "main WM_NCDESTROY",
                                           }));
    EXPECT_EQ(wincore::LiveWindows(), 0);

    HWND owner = CreateRecorder("owner", WS_POPUP, 0, 0, 100, 100);
    HWND popup = CreateRecorder("popup", WS_POPUP, 10, 10, 20, 20, owner);
    EXPECT_EQ(GetParent(popup), owner);
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(popup)) << "an owner takes its pop-ups with it";
}

// A window destroyed inside its own handler, or by another window during a nested send, is freed
// once the handlers return; its stale handle is refused meanwhile.
TEST_F(LifecycleTest, WindowsDestroyedWhileTheirHandlersRun)
{
    HWND main = CreateRecorder("main", WS_POPUP, 0, 0, 100, 100);
    SetHandler(main, [](HWND h, UINT m, WPARAM, LPARAM, LRESULT& result) {
        if (m != WM_USER) return false;
        EXPECT_TRUE(DestroyWindow(h));
        EXPECT_FALSE(IsWindow(h));
        EXPECT_FALSE(DestroyWindow(h));
        SetWindowTextW(h, TEXT("after"));  // a stale handle: refused, no use of freed memory
        result = 42;
        return true;
    });
    EXPECT_EQ(SendMessageW(main, WM_USER, 0, 0), 42);
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
    EXPECT_FALSE(IsWindow(first));

    HDC dc = CreateCompatibleDC(nullptr);
    HWND foreign = reinterpret_cast<HWND>(dc);
    HWND garbage = reinterpret_cast<HWND>(uintptr_t(0xDEADBEEF));
    for (HWND bad : {HWND(nullptr), first, foreign, garbage}) {
        RECT rect = {1, 2, 3, 4};
        POINT point = {5, 6};
        EXPECT_FALSE(IsWindow(bad));
        EXPECT_FALSE(DestroyWindow(bad));
        EXPECT_EQ(SendMessageW(bad, WM_USER, 0, 0), 0);
        EXPECT_FALSE(GetClientRect(bad, &rect));
        EXPECT_FALSE(ClientToScreen(bad, &point));
        EXPECT_EQ(SetWindowLongPtrW(bad, GWLP_USERDATA, 5), 0);
        EXPECT_FALSE(ShowWindow(bad, SW_SHOW));
        EXPECT_FALSE(MoveWindow(bad, 0, 0, 5, 5, TRUE));
        if (bad) {
            EXPECT_FALSE(InvalidateRect(bad, nullptr, TRUE));
        }
        EXPECT_EQ(SetTimer(bad, 1, 10, nullptr), 0u);
        EXPECT_EQ(SetCapture(bad), nullptr);
        EXPECT_EQ(GetParent(bad), nullptr);
        EXPECT_EQ(point.x, 5);
        EXPECT_EQ(rect.left, 1);
    }
    EXPECT_FALSE(PostMessageW(first, WM_USER, 0, 0));
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
    EXPECT_EQ(wincore::LiveWindows(), 0);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    MSG msg;
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
}

}  // namespace
