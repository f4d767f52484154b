// Keys as hardware input: the messages and lParam Win32 packs, where they go, the characters they
// make, the key state, keyboard navigation in dialogs, the keyboard cues and cancelling a mode.
#include <cstdio>
#include <string>
#include <vector>

#include "support/host_fixture.h"
#include "support/message_log.h"

namespace {

using KeysTest = HostTest;

// Key strokes in order: a virtual key goes down, its negative comes up.
using Strokes = std::vector<int>;

void Strike(const Strokes& strokes)
{
    for (int vk : strokes) vk > 0 ? wincore::KeyDown(UINT(vk)) : wincore::KeyUp(UINT(-vk));
}

Strokes Press(int vk)
{
    return {vk, -vk};
}

// A key message as the recorders log it.
std::string Line(const char* window, UINT message, WPARAM wParam, DWORD lParam)
{
    char params[32];
    std::snprintf(params, sizeof params, " 0x%08lx 0x%08lx", static_cast<unsigned long>(wParam),
                  static_cast<unsigned long>(lParam));
    return window + (" " + MessageName(message)) + params;
}

// System keys go no further than the recorder: DefWindowProcW would enter the menu mode.
bool EatSystemKeys(HWND, UINT message, WPARAM, LPARAM, LRESULT&)
{
    return message == WM_SYSKEYDOWN || message == WM_SYSKEYUP || message == WM_SYSCHAR;
}

HWND Child(const char* name, HWND parent, DWORD style, UINT id = 0)
{
    HWND child = CreateRecorder(name, WS_CHILD | style, 0, 0, 40, 20, parent, id);
    // In creation order: Win32 puts a new child at the bottom of its siblings, wincore on top.
    SetWindowPos(child, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetHandler(child, EatSystemKeys);
    return child;
}

// Each case's messages go to the focus window "f"; without a focus window to the active window
// "top", as system keys without Alt.
TEST_F(KeysTest, KeyMessagesCarryTheScanCodeAndFlagsAndTranslateIntoCharacters)
{
    constexpr UINT kDown = WM_KEYDOWN, kUp = WM_KEYUP, kSysDown = WM_SYSKEYDOWN, kSysUp = WM_SYSKEYUP, kChar = WM_CHAR;
    struct Sent {
        UINT message;
        WPARAM wParam;
        DWORD lParam;
    };
    const struct {
        const char* window;
        Strokes strokes;
        std::vector<Sent> sent;
    } cases[] = {
        {"f", Press('A'), {{kDown, 'A', 0x001E0001}, {kChar, 'a', 0x001E0001}, {kUp, 'A', 0xC01E0001}}},
        {"f", {VK_SHIFT, 'A', -'A', -VK_SHIFT},
         {{kDown, VK_SHIFT, 0x002A0001}, {kDown, 'A', 0x001E0001}, {kChar, 'A', 0x001E0001}, {kUp, 'A', 0xC01E0001},
          {kUp, VK_SHIFT, 0xC02A0001}}},
        {"f", {VK_MENU, 'A', -'A', -VK_MENU},
         {{kSysDown, VK_MENU, 0x20380001}, {kSysDown, 'A', 0x201E0001}, {WM_SYSCHAR, 'a', 0x201E0001},
          {kSysUp, 'A', 0xE01E0001}, {kUp, VK_MENU, 0xC0380001}}},
        {"f", Press(VK_MENU), {{kSysDown, VK_MENU, 0x20380001}, {kSysUp, VK_MENU, 0xC0380001}}},
        {"f", Press(VK_F10), {{kSysDown, VK_F10, 0x00440001}, {kSysUp, VK_F10, 0xC0440001}}},
        {"f", Press('5'), {{kDown, '5', 0x00060001}, {kChar, '5', 0x00060001}, {kUp, '5', 0xC0060001}}},
        {"f", Press(VK_RETURN),
         {{kDown, VK_RETURN, 0x001C0001}, {kChar, '\r', 0x001C0001}, {kUp, VK_RETURN, 0xC01C0001}}},
        {"f", Press(VK_ESCAPE),
         {{kDown, VK_ESCAPE, 0x00010001}, {kChar, 0x1B, 0x00010001}, {kUp, VK_ESCAPE, 0xC0010001}}},
        {"f", {VK_DOWN, VK_DOWN, -VK_DOWN},  // an extended key, held
         {{kDown, VK_DOWN, 0x01500001}, {kDown, VK_DOWN, 0x41500001}, {kUp, VK_DOWN, 0xC1500001}}},
        {"f", Press(VK_RCONTROL), {{kDown, VK_CONTROL, 0x011D0001}, {kUp, VK_CONTROL, 0xC11D0001}}},
        {"top", Press('A'), {{kSysDown, 'A', 0x001E0001}, {WM_SYSCHAR, 'a', 0x001E0001}, {kSysUp, 'A', 0xC01E0001}}},
    };
    HWND top = CreateRecorder("top", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100);
    SetHandler(top, EatSystemKeys);
    HWND f = Child("f", top, WS_VISIBLE);
    for (const auto& c : cases) {
        SetFocus(c.window == std::string("f") ? f : nullptr);
        Log().Only({kDown, kUp, kSysDown, kSysUp, kChar, WM_SYSCHAR});
        Strike(c.strokes);
        std::vector<std::string> lines;
        for (const Sent& s : c.sent) lines.push_back(Line(c.window, s.message, s.wParam, s.lParam));
        EXPECT_TRUE(SameTraffic(Log().Lines(), lines)) << c.strokes[0];
    }
    // The key state follows the modifiers, whether read from the queue or at once.
    auto held = [](int vk) { return std::to_string(GetKeyState(vk) < 0) + std::to_string(GetAsyncKeyState(vk) < 0); };
    for (int vk : {VK_SHIFT, VK_CONTROL, VK_MENU}) {
        wincore::KeyDown(UINT(vk));
        const std::string down = held(vk);
        wincore::KeyUp(UINT(vk));
        EXPECT_EQ(down + held(vk), "1100") << vk;
    }
}

// What DM_GETDEFID answers in the dialogs below; 0: no default button.
int defaultId = 0;

INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND) Log().Add(hwnd, message, wParam, lParam, true);
    if (message != DM_GETDEFID || !defaultId) return message == WM_COMMAND;
    SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, MAKELONG(defaultId, DC_HASDEFID));
    return TRUE;
}

// A visible dialog without controls (a template as a resource compiler lays it out).
HWND MakeDialog()
{
    static const WORD words[] = {WORD(WS_POPUP | WS_VISIBLE), WORD((WS_POPUP | WS_VISIBLE) >> 16), 0, 0, 0, 0, 0,
                                 160, 80, 0, 0, 0};
    HWND dialog = CreateDialogIndirectParamW(nullptr, reinterpret_cast<LPCDLGTEMPLATEW>(words), nullptr, DialogProc, 0);
    Log().Name(dialog, "dialog");
    return dialog;
}

// Where the focus goes after each press of `vk`, from `start` (with Shift held when asked).
std::string Visits(HWND start, int vk, int presses, bool shift = false)
{
    SetFocus(start);
    if (shift) wincore::KeyDown(VK_SHIFT);
    std::string visits;
    for (int i = 0; i < presses; i++) {
        Strike(Press(vk));
        visits += (i ? " " : "") + Log().NameOf(GetFocus());
    }
    if (shift) wincore::KeyUp(VK_SHIFT);
    return visits;
}

// Tab walks the enabled, visible tab stops in z-order and wraps, in a dialog and in a window that
// takes its children's navigation alike, and shows the focus cue. In a dialog the arrows move
// within a group (from a WS_GROUP control to the next one), skipping disabled controls and
// wrapping, unless the control asks for them.
TEST_F(KeysTest, TabWalksTheTabStopsOfDialogsAndControlParentsAndArrowsTheGroup)
{
    for (bool dialog : {true, false}) {
        HWND top = dialog ? MakeDialog() : CreateRecorder("top", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, 0,
                                                          WS_EX_CONTROLPARENT);
        HWND a = Child("a", top, WS_VISIBLE | WS_TABSTOP | WS_GROUP);
        HWND b = Child("b", top, WS_VISIBLE);
        Child("disabled", top, WS_VISIBLE | WS_TABSTOP | WS_DISABLED);
        Child("d", top, WS_VISIBLE);
        HWND e = Child("e", top, WS_VISIBLE | WS_TABSTOP | WS_GROUP);
        Child("hidden", top, WS_TABSTOP);
        HWND f = Child("f", top, WS_VISIBLE | WS_TABSTOP | WS_GROUP);
        Child("g", top, WS_VISIBLE);
        SetHandler(e, [](HWND, UINT m, WPARAM, LPARAM, LRESULT& r) { return r = DLGC_WANTARROWS, m == WM_GETDLGCODE; });
        SendMessageW(a, WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
        EXPECT_EQ(Visits(a, VK_TAB, 3) + " / " + Visits(a, VK_TAB, 3, true), "e f a / f e a") << dialog;
        EXPECT_EQ(SendMessageW(a, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS, 0) << dialog;
        if (dialog) {
            EXPECT_EQ(Visits(a, VK_DOWN, 3) + " / " + Visits(a, VK_UP, 3), "b d a / d b a");
            EXPECT_EQ(Visits(b, VK_RIGHT, 1) + " / " + Visits(b, VK_LEFT, 1), "d / a");
            EXPECT_EQ(Visits(f, VK_UP, 2), "g f") << "the last group";
            Log().Only({WM_KEYDOWN});
            EXPECT_EQ(Visits(e, VK_DOWN, 1), "e");
            EXPECT_TRUE(SameTraffic(Log().Lines(), {"e WM_KEYDOWN 0x00000028 0x01500001"}));
        }
        DestroyWindow(top);
    }
}

// Enter is the focused default button, else the default id, else IDOK; Escape is IDCANCEL; a
// control that wants the message gets the key instead.
TEST_F(KeysTest, EnterAndEscapeCommandTheDialogUnlessTheControlWantsThem)
{
    constexpr UINT kSeven = 7, kField = 5;
    enum Field { kPlain, kDefaultButton, kWantsEnter };
    const struct {
        UINT vk;
        int defaultId;
        bool sevenEnabled;
        Field field;
        std::vector<std::string> lines;
    } cases[] = {
        {VK_RETURN, 0, true, kPlain, {"dialog WM_COMMAND 0x00000001 0"}},  // IDOK
        {VK_RETURN, kSeven, true, kPlain, {"dialog WM_COMMAND 0x00000007 seven"}},
        {VK_RETURN, kSeven, false, kPlain, {}},  // a disabled default
        {VK_RETURN, kSeven, true, kDefaultButton, {"dialog WM_COMMAND 0x00000005 field"}},
        {VK_ESCAPE, kSeven, true, kPlain, {"dialog WM_COMMAND 0x00000002 0"}},
        {VK_RETURN, 0, true, kWantsEnter,
         {"field WM_KEYDOWN 0x0000000d 0x001c0001", "field WM_CHAR 0x0000000d 0x001c0001"}},
    };
    for (const auto& c : cases) {
        defaultId = c.defaultId;
        HWND dialog = MakeDialog();
        HWND field = Child("field", dialog, WS_VISIBLE | WS_TABSTOP, kField);
        Child("seven", dialog, WS_VISIBLE | (c.sevenEnabled ? 0 : WS_DISABLED), kSeven);
        SetHandler(field, [kind = c.field](HWND, UINT m, WPARAM wParam, LPARAM, LRESULT& r) {
            r = kind == kDefaultButton ? DLGC_DEFPUSHBUTTON : kind == kWantsEnter && wParam == VK_RETURN ? DLGC_WANTMESSAGE : 0;
            return m == WM_GETDLGCODE;
        });
        SetFocus(field);
        Log().Only({WM_COMMAND, WM_KEYDOWN, WM_CHAR});
        Strike(Press(int(c.vk)));
        EXPECT_TRUE(SameTraffic(Log().Lines(), c.lines)) << &c - cases;
        DestroyWindow(dialog);
    }
    defaultId = 0;
}

// A change of the cues climbs to the top-level window, which updates itself and every descendant
// (parents before children) when anything changes.
TEST_F(KeysTest, UiStateChangesClimbToTheTopAndUpdatesReachEveryDescendant)
{
    HWND top = CreateRecorder("top", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100);
    HWND a1 = Child("a1", Child("a", top, WS_VISIBLE), WS_VISIBLE);
    HWND b = Child("b", top, WS_VISIBLE);
    const std::vector<std::string> climb = {"a1 WM_CHANGEUISTATE", "a WM_CHANGEUISTATE", "top WM_CHANGEUISTATE"};
    std::vector<std::string> update = climb;
    for (const char* name : {"top", "a", "a1", "b"}) update.push_back(name + std::string(" WM_UPDATEUISTATE"));
    const struct {
        WORD action;
        const std::vector<std::string>& lines;
        LRESULT state;
    } cases[] = {{UIS_SET, update, UISF_HIDEFOCUS}, {UIS_SET, climb, UISF_HIDEFOCUS}, {UIS_CLEAR, update, 0}};
    RecordParams(false);
    for (const auto& c : cases) {
        Log().Only({WM_CHANGEUISTATE, WM_UPDATEUISTATE});
        SendMessageW(a1, WM_CHANGEUISTATE, MAKEWPARAM(c.action, UISF_HIDEFOCUS), 0);
        EXPECT_TRUE(SameTraffic(Log().Lines(), c.lines)) << c.action;
        for (HWND hwnd : {top, a1, b}) EXPECT_EQ(SendMessageW(hwnd, WM_QUERYUISTATE, 0, 0), c.state) << c.action;
    }
}

TEST_F(KeysTest, CancelModeReleasesTheCaptureOfItsOwnWindowOnly)
{
    HWND a = CreateRecorder("a", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND b = CreateRecorder("b", WS_POPUP | WS_VISIBLE, 100, 0, 100, 100);
    SetCapture(a);
    Log().Only({WM_CANCELMODE, WM_CAPTURECHANGED});
    SendMessageW(b, WM_CANCELMODE, 0, 0);
    EXPECT_EQ(GetCapture(), a);
    SendMessageW(a, WM_CANCELMODE, 0, 0);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(SameTraffic(Log().Lines(), {"b WM_CANCELMODE 0x00000000 0x00000000",
                                            "a WM_CANCELMODE 0x00000000 0x00000000", "a WM_CAPTURECHANGED 0"}));
}

}  // namespace
