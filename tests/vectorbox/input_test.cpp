// Pen taps on the arrows, the messages the box answers itself, the object's life beside its window.
#include "vectorbox/vbox_fixture.h"

namespace {

using VectorBoxInput = VectorBoxTest;

TEST_F(VectorBoxInput, StepsWrapAroundAndNotifyWithTheNewSelection)
{
    // Taps on the first, first, second, second arrow; an empty box stays at 0, where a new box starts.
    const std::pair<int, std::vector<int>> cases[] = {{3, {2, 1, 2, 0}}, {1, {0, 0, 0, 0}}, {0, {0, 0, 0, 0}}};
    for (auto& [count, expected] : cases) {
        ProbeBox box;
        Make(box, count);
        std::vector<int> seen;
        onMessage = [&](UINT message, WPARAM, LPARAM) {
            if (message == WM_COMMAND) seen.push_back(box.GetCurSel());
        };
        Log().Only({WM_COMMAND});
        for (int arrow : {0, 0, 1, 1}) box.Tap(arrow);
        EXPECT_EQ(box.SetCurSel(count) + box.SetCurSel(-1), -2) << "existing items only";
        EXPECT_EQ(box.SetCurSel(count - 1), count ? 1 : -1) << "and without a notification";
        EXPECT_EQ(seen, expected);
        EXPECT_TRUE(SameTraffic(Log().Lines(), std::vector<std::string>(4, "owner WM_COMMAND 0x00000007 vbox")));
        onMessage = nullptr;
    }
}

WNDPROC spied = nullptr;
LRESULT CALLBACK Spy(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Log().Add(hwnd, message, wParam, lParam, false);
    return CallWindowProcW(spied, hwnd, message, wParam, lParam);
}

// Only a release on the arrow pressed steps, a double tap twice; a pen-down ends a running slide.
TEST_F(VectorBoxInput, GesturesStepFromAnArrowToTheSameArrowOnly)
{
    ProbeBox box;
    Make(box, 3);
    spied = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(box.hWnd, GWLP_WNDPROC, LONG_PTR(Spy)));
    RecordParams(false);
    const POINT first = box.Arrow(0), second = box.Arrow(1), middle = {146, 51}, outside = {10, 10};
    Log().Only({WM_COMMAND});
    const std::pair<POINT, POINT> gestures[] = {{first, second}, {second, first}, {middle, first}, {first, outside}};
    for (auto [down, up] : gestures) wincore::PenDown(down.x, down.y), wincore::PenUp(up.x, up.y);
    // Focus lost while the arrow is held: the pen-up steps nothing.
    wincore::PenDown(first.x, first.y);
    SetFocus(owner);
    wincore::PenUp(first.x, first.y);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(Log().Lines().empty()) << "neither the box nor the platform's button notified";
    EXPECT_EQ(box.GetCurSel(), 0);
    Log().Only({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_COMMAND});
    box.Tap(1);
    wincore::Advance(100);
    wincore::PenDown(second.x, second.y);
    EXPECT_EQ(box.slideOffset, 0);
    wincore::PenUp(second.x, second.y);
    EXPECT_EQ(box.GetCurSel(), 2);
    EXPECT_TRUE(SameTraffic(Log().Lines(), {"vbox WM_LBUTTONDOWN", "vbox WM_LBUTTONUP", "owner WM_COMMAND",
                                            "vbox WM_LBUTTONDBLCLK", "vbox WM_LBUTTONUP", "owner WM_COMMAND"}));
}

using VectorBoxLifecycle = VectorBoxTest;

// The host may destroy the window first, even during a slide; the object then makes another.
TEST_F(VectorBoxLifecycle, CreateMakesOneOwnerDrawnWindowThatTheHostMayDestroy)
{
    ProbeBox box;
    HWND gone = CreateRecorder("gone", WS_POPUP, 0, 0, 10, 10);
    HWND host = CreateRecorder("host", WS_CHILD | WS_VISIBLE, 0, 0, 400, 300, owner);
    DestroyWindow(gone);
    EXPECT_EQ(box.Create(nullptr, WS_CHILD, nullptr, {0, 0, 252, 42}, gone, 7, VBOX_HORZ), 0);
    EXPECT_EQ(box.hWnd, nullptr);
    Make(box, 2, VBOX_HORZ, {20, 30, 272, 72}, host);
    HWND first = box.hWnd;
    EXPECT_EQ(box.Create(nullptr, WS_CHILD, nullptr, {0, 0, 9, 9}, owner, 8, VBOX_VERT), 1);
    EXPECT_EQ(box.hWnd, first);
    box.Tap(1);
    DestroyWindow(host);
    EXPECT_EQ(box.hWnd, nullptr) << "the object lets go of the destroyed window";
    Make(box, 0);
    box.Tap(1);
    EXPECT_EQ(box.GetCurSel(), 0);
}

TEST_F(VectorBoxLifecycle, CopiesCarrySettingsAndItemsButNoWindowOrFileImage)
{
    const int windows = wincore::LiveWindows(), images = wincore::LiveComObjects();
    {
        ProbeBox source;
        Make(source, 3);
        source.SetFrame(FrameFile().c_str(), 1);
        source.SetCurSel(2);
        ProbeBox copy(source);
        ASSERT_EQ(copy.Create(nullptr, WS_CHILD, nullptr, {0, 100, 252, 142}, owner, 9, VBOX_HORZ), 1);
        copy = source;  // the target's own window goes
        source = source;
        EXPECT_EQ(copy.GetCurSel(), 2);
        EXPECT_EQ(std::pair(wincore::LiveWindows() - windows, wincore::LiveComObjects() - images), std::pair(1, 1));
    }
    EXPECT_EQ(std::pair(wincore::LiveWindows(), wincore::LiveComObjects()), std::pair(windows, images));
}

}  // namespace
