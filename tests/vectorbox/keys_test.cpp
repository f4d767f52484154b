// Keys on a focused box: the arrows of its direction step as taps do, Enter and Space click,
// the dialog manager leaves it those keys, and the focus cue shows after a key until the pen.
#include "vectorbox/vbox_fixture.h"

namespace {

using VectorBoxKeys = VectorBoxTest;

void Press(UINT vk)
{
    wincore::KeyDown(vk);
    wincore::KeyUp(vk);
}

WNDPROC spied = nullptr;
LRESULT CALLBACK Spy(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Log().Add(hwnd, message, wParam, lParam, false);
    return CallWindowProcW(spied, hwnd, message, wParam, lParam);
}

// Each key's notifications, read as the selection the owner sees; keys across the box do nothing.
TEST_F(VectorBoxKeys, ArrowsStepWithWrapAroundAndEnterOrSpaceClickInPlace)
{
    const struct {
        VBoxType type;
        UINT back, forward, across;
    } boxes[] = {{VBOX_HORZ, VK_LEFT, VK_RIGHT, VK_UP}, {VBOX_VERT, VK_UP, VK_DOWN, VK_RIGHT}};
    for (const auto& row : boxes) {
        ProbeBox box;
        Make(box, 3, row.type, row.type == VBOX_HORZ ? RECT{20, 30, 272, 72} : RECT{20, 30, 120, 230});
        SetFocus(box.hWnd);
        std::vector<int> seen;
        onMessage = [&](UINT message, WPARAM, LPARAM) {
            if (message == WM_COMMAND) seen.push_back(box.GetCurSel());
        };
        for (UINT vk : {row.back, row.back, row.forward, row.forward, row.across, UINT(VK_ESCAPE), UINT(VK_RETURN),
                        UINT(VK_SPACE)})
            Press(vk);
        // A held key repeats: an arrow steps on, Enter clicks once.
        for (UINT vk : {row.forward, UINT(VK_RETURN)}) wincore::KeyDown(vk), wincore::KeyDown(vk), wincore::KeyUp(vk);
        EXPECT_EQ(seen, (std::vector<int>{2, 1, 2, 0, 0, 0, 1, 2, 2})) << "type " << row.type;
        onMessage = nullptr;
    }
}

// A key's step is a tap's: the same notification, then the same slide, frame by frame. The cue is
// drawn into the box's picture after a key, only as a frame, and goes with the next pen-down.
TEST_F(VectorBoxKeys, AKeysStepSendsAndSlidesAsATapAndShowsTheFocusCueUntilThePen)
{
    ProbeBox box;
    Make(box, 0);
    for (COLORREF colour : {RGB(220, 40, 40), RGB(40, 90, 220)}) box.InsertItem(TEXT(""), SolidBitmap(136, 42, colour));
    spied = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(box.hWnd, GWLP_WNDPROC, LONG_PTR(Spy)));
    const RECT place = {20, 30, 272, 72};
    const COLORREF cue = GetSysColor(COLOR_HIGHLIGHT);
    const int ring = 2 * (252 * 2) + 2 * (42 - 4) * 2, before = CountPixels(place, cue);  // px of the 2-px frame
    SetFocus(box.hWnd);
    wincore::Pump();
    EXPECT_EQ(CountPixels(place, cue), before) << "the focus alone shows no cue";
    Log().Only({WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_COMMAND, WM_LBUTTONDOWN, WM_LBUTTONUP});
    RecordParams(false);
    const auto trace = [] {
        std::vector<int> widths;
        for (int tick = 0; tick < 8; tick++, wincore::Advance(50)) widths.push_back(CountPixels({78, 50, 214, 51}, RGB(220, 40, 40)));
        return widths;
    };
    box.Tap(1);
    const std::vector<int> tapped = kExactTicks ? trace() : std::vector<int>{};
    box.SetCurSel(0);
    Press(VK_RIGHT);
    const std::vector<int> keyed = kExactTicks ? trace() : std::vector<int>{};
    Press(VK_SPACE);
    EXPECT_TRUE(SameTraffic(Log().Lines(), {"vbox WM_LBUTTONDOWN", "vbox WM_LBUTTONUP", "owner WM_COMMAND",
                                            "vbox WM_KEYDOWN", "owner WM_COMMAND", "vbox WM_KEYUP", "vbox WM_KEYDOWN",
                                            "owner WM_COMMAND", "vbox WM_CHAR", "vbox WM_KEYUP"}))
        << "one click for Space: the button underneath adds none";
    EXPECT_EQ(box.GetCurSel(), 1);
    wincore::Advance(400);  // the slide has ended
    EXPECT_EQ(CountPixels(place, cue), before + ring);
    EXPECT_EQ(CountPixels({90, 40, 200, 62}, cue), 0) << "only the frame";
    wincore::PenDown(146, 51);
    wincore::PenUp(146, 51);
    EXPECT_EQ(CountPixels(place, cue), before) << "gone with the pen";
    if (!kExactTicks) GTEST_SKIP() << "the frames are tick-by-tick figures";
    EXPECT_EQ(keyed, tapped);
    EXPECT_GT(tapped.front(), 0);
}

// In a window that runs the dialog manager, the box keeps its arrows and Enter; Tab and the arrows
// across it move the focus.
TEST_F(VectorBoxKeys, TheDialogManagerLeavesTheBoxItsKeys)
{
    HWND dialog = CreateRecorder("dialog", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, 0, WS_EX_CONTROLPARENT);
    // Win32's dialog manager asks a window that is no dialog to move the focus, as a dialog's own procedure does.
    SetHandler(dialog, [](HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        if (message != WM_NEXTDLGCTL || !lParam) return false;
        SetFocus(reinterpret_cast<HWND>(wParam));
        return result = 0, true;
    });
    ProbeBox box;
    Make(box, 3, VBOX_HORZ, {20, 30, 272, 72}, dialog, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP);
    HWND button = CreateWindowExW(0, TEXT("BUTTON"), TEXT("OK"), WS_CHILD | WS_VISIBLE | WS_TABSTOP, 20, 100, 80, 30,
                                  dialog, reinterpret_cast<HMENU>(UINT_PTR(IDOK)), nullptr, nullptr);
    SetWindowPos(button, box.hWnd, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const std::vector<std::string> clicked = {"dialog WM_COMMAND 0x00000007 vbox"};
    const struct {
        UINT vk;
        HWND focus;
        std::vector<std::string> told;  // what the dialog is told
    } rows[] = {
        {VK_RIGHT, box.hWnd, clicked}, {VK_RETURN, box.hWnd, clicked}, {VK_DOWN, button, {}}, {VK_TAB, box.hWnd, {}}};
    SetFocus(box.hWnd);
    for (const auto& row : rows) {
        Log().Only({WM_COMMAND});
        Press(row.vk);
        EXPECT_EQ(GetFocus(), row.focus) << row.vk;
        EXPECT_TRUE(SameTraffic(Log().Lines(), row.told)) << row.vk;
    }
    EXPECT_EQ(box.GetCurSel(), 1) << "one step: the dialog's keys stayed out of the box";
    DestroyWindow(dialog);
}

}  // namespace
