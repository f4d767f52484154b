// Keys as hardware input: the messages and lParam Win32 packs, where they go, the characters they
// make, the key state, keyboard navigation in dialogs, the keyboard cues and cancelling a mode.
#include <cstdio>
#include <string>
#include <vector>

#include "support/host_fixture.h"
#include "support/message_log.h"

namespace {

using KeysTest = HostTest;

struct Stroke {
    UINT vk;
    bool down;
};

Stroke Down(UINT vk)
{
    return {vk, true};
}

Stroke Up(UINT vk)
{
    return {vk, false};
}

void Strike(const std::vector<Stroke>& strokes)
{
    for (const Stroke& stroke : strokes) stroke.down ? wincore::KeyDown(stroke.vk) : wincore::KeyUp(stroke.vk);
}

std::vector<Stroke> Press(UINT vk)
{
    return {Down(vk), Up(vk)};
}

// A log line as the recorders write it.
std::string Line(const std::string& window, UINT message, WPARAM wParam, DWORD lParam)
{
    char params[32];
    std::snprintf(params, sizeof params, " 0x%08lx 0x%08lx", static_cast<unsigned long>(wParam),
                  static_cast<unsigned long>(lParam));
    return window + " " + MessageName(message) + params;
}

const std::vector<UINT> kKeyMessages = {WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_CHAR, WM_SYSCHAR};

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

TEST_F(KeysTest, KeyMessagesCarryTheScanCodeAndFlagsAndTranslateIntoCharacters)
{
    constexpr UINT kDown = WM_KEYDOWN, kUp = WM_KEYUP, kSysDown = WM_SYSKEYDOWN, kSysUp = WM_SYSKEYUP;
    struct Case {
        const char* what;
        std::vector<Stroke> strokes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"a letter", Press('A'),
         {Line("f", kDown, 'A', 0x001E0001), Line("f", WM_CHAR, 'a', 0x001E0001), Line("f", kUp, 'A', 0xC01E0001)}},
        {"with Shift", {Down(VK_SHIFT), Down('A'), Up('A'), Up(VK_SHIFT)},
         {Line("f", kDown, VK_SHIFT, 0x002A0001), Line("f", kDown, 'A', 0x001E0001), Line("f", WM_CHAR, 'A', 0x001E0001),
          Line("f", kUp, 'A', 0xC01E0001), Line("f", kUp, VK_SHIFT, 0xC02A0001)}},
        {"with Alt", {Down(VK_MENU), Down('A'), Up('A'), Up(VK_MENU)},
         {Line("f", kSysDown, VK_MENU, 0x20380001), Line("f", kSysDown, 'A', 0x201E0001),
          Line("f", WM_SYSCHAR, 'a', 0x201E0001), Line("f", kSysUp, 'A', 0xE01E0001), Line("f", kUp, VK_MENU, 0xC0380001)}},
        {"Alt alone", Press(VK_MENU), {Line("f", kSysDown, VK_MENU, 0x20380001), Line("f", kSysUp, VK_MENU, 0xC0380001)}},
        {"F10", Press(VK_F10), {Line("f", kSysDown, VK_F10, 0x00440001), Line("f", kSysUp, VK_F10, 0xC0440001)}},
        {"a digit", Press('5'),
         {Line("f", kDown, '5', 0x00060001), Line("f", WM_CHAR, '5', 0x00060001), Line("f", kUp, '5', 0xC0060001)}},
        {"Enter", Press(VK_RETURN),
         {Line("f", kDown, VK_RETURN, 0x001C0001), Line("f", WM_CHAR, '\r', 0x001C0001),
          Line("f", kUp, VK_RETURN, 0xC01C0001)}},
        {"Escape", Press(VK_ESCAPE),
         {Line("f", kDown, VK_ESCAPE, 0x00010001), Line("f", WM_CHAR, 0x1B, 0x00010001),
          Line("f", kUp, VK_ESCAPE, 0xC0010001)}},
        {"an extended key, held", {Down(VK_DOWN), Down(VK_DOWN), Up(VK_DOWN)},
         {Line("f", kDown, VK_DOWN, 0x01500001), Line("f", kDown, VK_DOWN, 0x41500001), Line("f", kUp, VK_DOWN, 0xC1500001)}},
        {"the right Ctrl", Press(VK_RCONTROL),
         {Line("f", kDown, VK_CONTROL, 0x011D0001), Line("f", kUp, VK_CONTROL, 0xC11D0001)}},
    };
    HWND top = CreateRecorder("top", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100);
    SetFocus(Child("f", top, WS_VISIBLE));
    for (const Case& c : cases) {
        Log().Only(kKeyMessages);
        Strike(c.strokes);
        EXPECT_TRUE(SameTraffic(Log().Lines(), c.lines)) << c.what;
    }
}

// Without a focus window the active window gets the keys, as system keys without Alt.
TEST_F(KeysTest, KeysGoToTheFocusWindowElseToTheActiveWindow)
{
    HWND top = CreateRecorder("top", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100);
    SetHandler(top, EatSystemKeys);
    SetFocus(Child("f", top, WS_VISIBLE));
    Log().Only(kKeyMessages);
    Strike(Press('A'));
    SetFocus(nullptr);
    Strike(Press('A'));
    EXPECT_TRUE(SameTraffic(Log().Lines(), {Line("f", WM_KEYDOWN, 'A', 0x001E0001), Line("f", WM_CHAR, 'a', 0x001E0001),
                                            Line("f", WM_KEYUP, 'A', 0xC01E0001),
                                            Line("top", WM_SYSKEYDOWN, 'A', 0x001E0001),
                                            Line("top", WM_SYSCHAR, 'a', 0x001E0001),
                                            Line("top", WM_SYSKEYUP, 'A', 0xC01E0001)}));
}

TEST_F(KeysTest, KeyStateFollowsTheModifiers)
{
    HWND top = CreateRecorder("top", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100);
    SetFocus(Child("f", top, WS_VISIBLE));
    for (UINT vk : {VK_SHIFT, VK_CONTROL, VK_MENU}) {
        wincore::KeyDown(vk);
        std::vector<bool> states = {(GetKeyState(int(vk)) & 0x8000) != 0, (GetAsyncKeyState(int(vk)) & 0x8000) != 0};
        wincore::KeyUp(vk);
        states.insert(states.end(), {(GetKeyState(int(vk)) & 0x8000) != 0, (GetAsyncKeyState(int(vk)) & 0x8000) != 0});
        EXPECT_EQ(states, (std::vector<bool>{true, true, false, false})) << "key " << vk;
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

// Where the focus goes after each press of `vk` (with Shift held when asked).
std::string Visits(HWND start, UINT vk, int presses, bool shift)
{
    SetFocus(start);
    std::string visits;
    if (shift) wincore::KeyDown(VK_SHIFT);
    for (int i = 0; i < presses; i++) {
        Strike(Press(vk));
        visits += (visits.empty() ? "" : " ") + Log().NameOf(GetFocus());
    }
    if (shift) wincore::KeyUp(VK_SHIFT);
    return visits;
}

// Tab walks the enabled, visible tab stops in z-order and wraps, in a dialog and in a window that
// takes its children's navigation alike; it shows the focus cue.
TEST_F(KeysTest, TabWalksTheTabStopsOfDialogsAndControlParents)
{
    for (bool dialog : {true, false}) {
        HWND top = dialog ? MakeDialog() : CreateRecorder("top", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, 0,
                                                          WS_EX_CONTROLPARENT);
        HWND a = Child("a", top, WS_VISIBLE | WS_TABSTOP);
        Child("disabled", top, WS_VISIBLE | WS_TABSTOP | WS_DISABLED);
        Child("no stop", top, WS_VISIBLE);
        Child("hidden", top, WS_TABSTOP);
        Child("e", top, WS_VISIBLE | WS_TABSTOP);
        Child("f", top, WS_VISIBLE | WS_TABSTOP);
        SendMessageW(a, WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
        EXPECT_EQ(Visits(a, VK_TAB, 3, false), "e f a") << dialog;
        EXPECT_EQ(Visits(a, VK_TAB, 3, true), "f e a") << dialog;
        EXPECT_EQ(SendMessageW(a, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS, 0) << dialog;
        DestroyWindow(top);
    }
}

// Arrows move within a group (from a WS_GROUP control to the next one), skipping disabled
// controls and wrapping, unless the control asks for them.
TEST_F(KeysTest, ArrowsMoveWithinTheGroupUnlessTheControlWantsThem)
{
    HWND dialog = MakeDialog();
    HWND g1 = Child("g1", dialog, WS_VISIBLE | WS_TABSTOP | WS_GROUP);
    HWND g2 = Child("g2", dialog, WS_VISIBLE);
    Child("disabled", dialog, WS_VISIBLE | WS_DISABLED);
    Child("g4", dialog, WS_VISIBLE);
    HWND arrows = Child("arrows", dialog, WS_VISIBLE | WS_TABSTOP | WS_GROUP);
    Child("h", dialog, WS_VISIBLE);
    SetHandler(arrows, [](HWND, UINT m, WPARAM, LPARAM, LRESULT& r) {
        r = DLGC_WANTARROWS;
        return m == WM_GETDLGCODE;
    });
    EXPECT_EQ(Visits(g1, VK_DOWN, 3, false), "g2 g4 g1");
    EXPECT_EQ(Visits(g1, VK_UP, 3, false), "g4 g2 g1");
    EXPECT_EQ(Visits(g2, VK_RIGHT, 1, false) + " " + Visits(g2, VK_LEFT, 1, false), "g4 g1");
    Log().Only({WM_KEYDOWN});
    EXPECT_EQ(Visits(arrows, VK_DOWN, 1, false), "arrows");
    EXPECT_TRUE(SameTraffic(Log().Lines(), {Line("arrows", WM_KEYDOWN, VK_DOWN, 0x01500001)}));
    DestroyWindow(dialog);
}

// Enter is the focused default button, else the default id, else IDOK; Escape is IDCANCEL; a
// control that wants the message gets the key instead.
TEST_F(KeysTest, EnterAndEscapeCommandTheDialogUnlessTheControlWantsThem)
{
    constexpr UINT kSeven = 7, kField = 5;
    enum Field { kPlain, kDefaultButton, kWantsEnter };
    struct Case {
        const char* what;
        UINT vk;
        int defaultId;
        bool sevenEnabled;
        Field field;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"IDOK", VK_RETURN, 0, true, kPlain, {"dialog WM_COMMAND 0x00000001 0"}},
        {"the default id", VK_RETURN, kSeven, true, kPlain, {"dialog WM_COMMAND 0x00000007 seven"}},
        {"a disabled default", VK_RETURN, kSeven, false, kPlain, {}},
        {"a focused default button", VK_RETURN, kSeven, true, kDefaultButton, {"dialog WM_COMMAND 0x00000005 field"}},
        {"IDCANCEL", VK_ESCAPE, kSeven, true, kPlain, {"dialog WM_COMMAND 0x00000002 0"}},
        {"the control's", VK_RETURN, 0, true, kWantsEnter,
         {Line("field", WM_KEYDOWN, VK_RETURN, 0x001C0001), Line("field", WM_CHAR, '\r', 0x001C0001)}},
    };
    for (const Case& c : cases) {
        defaultId = c.defaultId;
        HWND dialog = MakeDialog();
        HWND field = Child("field", dialog, WS_VISIBLE | WS_TABSTOP, kField);
        Child("seven", dialog, WS_VISIBLE | (c.sevenEnabled ? 0 : WS_DISABLED), kSeven);
        Field kind = c.field;
        SetHandler(field, [kind](HWND, UINT m, WPARAM wParam, LPARAM, LRESULT& r) {
            r = kind == kDefaultButton ? DLGC_DEFPUSHBUTTON : kind == kWantsEnter && wParam == VK_RETURN ? DLGC_WANTMESSAGE : 0;
            return m == WM_GETDLGCODE;
        });
        SetFocus(field);
        Log().Only({WM_COMMAND, WM_KEYDOWN, WM_CHAR});
        Strike(Press(c.vk));
        EXPECT_TRUE(SameTraffic(Log().Lines(), c.lines)) << c.what;
        DestroyWindow(dialog);
    }
    defaultId = 0;
}

// A change of the cues climbs to the top-level window, which updates itself and every descendant
// (parents before children) when anything changes.
TEST_F(KeysTest, UiStateChangesClimbToTheTopAndUpdatesReachEveryDescendant)
{
    HWND top = CreateRecorder("top", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100);
    HWND a = Child("a", top, WS_VISIBLE);
    HWND a1 = Child("a1", a, WS_VISIBLE);
    HWND b = Child("b", top, WS_VISIBLE);
    auto bare = [](const char* name, UINT message) { return std::string(name) + " " + MessageName(message); };
    const std::vector<std::string> climb = {bare("a1", WM_CHANGEUISTATE), bare("a", WM_CHANGEUISTATE),
                                            bare("top", WM_CHANGEUISTATE)};
    std::vector<std::string> update = climb;
    for (const char* name : {"top", "a", "a1", "b"}) update.push_back(bare(name, WM_UPDATEUISTATE));
    struct Case {
        WORD action;
        const std::vector<std::string>& lines;
        LRESULT state;
    };
    const Case cases[] = {{UIS_SET, update, UISF_HIDEFOCUS}, {UIS_SET, climb, UISF_HIDEFOCUS}, {UIS_CLEAR, update, 0}};
    RecordParams(false);
    for (const Case& c : cases) {
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
