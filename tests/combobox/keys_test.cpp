// Keys on the field and in the open list: stepping the closed box, opening at once, picking as a
// tap picks, Escape, the focus coming back to the field, its focus cue and WM_GETDLGCODE.
#include <functional>
#include <iterator>

#include "combobox/combo_fixture.h"

namespace {

class ComboKeys : public ComboTest {
protected:
    // What the owner was told since the last call, the field's focus notices (EN_SETFOCUS 256,
    // EN_KILLFOCUS 512) among it.
    std::vector<std::string> Told()
    {
        std::vector<std::string> told = Notifications();
        events.clear();
        return told;
    }
};

void Press(UINT vk)
{
    wincore::KeyDown(vk);
    wincore::KeyUp(vk);
}

void AltDown()
{
    wincore::KeyDown(VK_MENU);
    Press(VK_DOWN);
    wincore::KeyUp(VK_MENU);
}

TEST_F(ComboKeys, UpAndDownOnTheClosedBoxStepTheSelectionAsWin32Does)
{
    ComboProbe combo;
    ASSERT_TRUE(Make(combo, owner, {10, 100, 250, 400}, "a,b,c"));
    SetFocus(combo.GetSafeHwnd());
    Told();
    const std::pair<UINT, std::vector<std::string>> steps[] = {
        {VK_UP, {"command 20 code 1 'c' sel 2 list 0"}},  // no selection: Up starts at the last item
        {VK_DOWN, {}},                                    // the ends stop, untold
        {VK_UP, {"command 20 code 1 'b' sel 1 list 0"}},
        {VK_UP, {"command 20 code 1 'a' sel 0 list 0"}},
        {VK_UP, {}},
        {0, {}},  // disabled, the box takes no keys
    };
    for (const auto& [vk, told] : steps) {
        if (!vk) combo.EnableWindow(0);
        Press(vk ? vk : VK_DOWN);
        EXPECT_TRUE(SameTraffic(Told(), told)) << vk;
    }
    EXPECT_EQ(GetFocus(), combo.GetSafeHwnd());
}

// The field asks the dialog manager for Enter, and for Escape only while the list is open.
TEST_F(ComboKeys, OpeningKeysOpenAtOnceAndEscapeOrATogglesClosesUnchanged)
{
    const struct {
        std::function<void()> open, close;
    } cases[] = {
        {[] { Press(VK_F4); }, [] { Press(VK_ESCAPE); }},
        {AltDown, [] { Press(VK_F4); }},
        {[] { Press(VK_RETURN); }, AltDown},
    };
    for (const auto& c : cases) {
        ComboProbe combo;
        ASSERT_TRUE(Make(combo, owner, {10, 100, 250, 400}, "a,b,c"));
        const HWND field = combo.GetSafeHwnd();
        auto code = [field](UINT vk) {  // less the arrows and characters it always asks for
            MSG msg = {field, WM_KEYDOWN, vk, 0, 0, {0, 0}};
            return SendMessageW(field, WM_GETDLGCODE, vk, LPARAM(&msg)) - (DLGC_WANTARROWS | DLGC_WANTCHARS);
        };
        EXPECT_EQ(std::vector<LRESULT>({code(VK_RETURN), code(VK_ESCAPE), code(VK_TAB)}),
                  std::vector<LRESULT>({DLGC_WANTMESSAGE, 0, 0}));
        combo.SetCurSel(0);
        SetFocus(field);
        c.open();
        EXPECT_TRUE(IsWindowVisible(combo.List()) && GetFocus() == combo.List()) << "no drop timer";
        EXPECT_EQ(code(VK_ESCAPE), DLGC_WANTMESSAGE);
        Told();
        Press(VK_DOWN);  // the list's selection moves; the box's shows once picked
        c.close();
        wincore::Advance(200);
        EXPECT_TRUE(SameTraffic(Told(), {"notify 1070 code -4 b", "command 20 code 256 'a' sel 0 list 0"}));
        EXPECT_EQ(std::to_string(combo.GetCurSel()) + " '" + Text(combo) + "'", "0 'a'");
        EXPECT_FALSE(IsWindowVisible(combo.List()));
        EXPECT_EQ(GetFocus(), field) << "the focus is back on the field";
    }
}

TEST_F(ComboKeys, EnterPicksWithATapsNotificationsAndGivesTheFocusBack)
{
    ComboProbe combo;
    ASSERT_TRUE(Make(combo, owner, {10, 100, 250, 400}, "Alpha,Beta,Gamma"));
    Tap(220, 120);  // the drop button
    wincore::Advance(100);
    Told();
    Tap(130, 140 + 42 + 12);
    const std::vector<std::string> tapped = Told();
    ASSERT_EQ(tapped.size(), 2u);
    combo.SetCurSel(-1);
    SetFocus(combo.GetSafeHwnd());
    Press(VK_F4);
    Told();
    Press(VK_DOWN);
    Press(VK_DOWN);
    EXPECT_TRUE(SameTraffic(Told(), {"notify 1070 code -4 Alpha", "notify 1070 code -4 Beta"}));
    Press(VK_RETURN);
    std::vector<std::string> picked = tapped;
    picked.push_back("command 20 code 256 'Beta' sel 1 list 0");  // the field has the focus again
    EXPECT_TRUE(SameTraffic(Told(), picked));
    EXPECT_EQ(GetFocus(), combo.GetSafeHwnd());
}

TEST_F(ComboKeys, TheFieldShowsItsFocusCueAfterAKeyUntilThePen)
{
    ComboProbe combo;
    ASSERT_TRUE(Make(combo, owner, {10, 100, 250, 400}, "a,b,c"));
    const HWND field = combo.GetSafeHwnd();
    const std::pair<std::function<void()>, int> steps[] = {
        {[&] { SetFocus(field); }, 0}, {[] { Press(VK_DOWN); }, 100}, {[] { Tap(100, 120); }, 0},
        {[] { Press(VK_DOWN); }, 100}, {[] { Press(VK_F4); }, 0},  // the list has the focus
        {[] { Press(VK_ESCAPE); }, 100},
    };
    for (size_t i = 0; i < std::size(steps); i++) {
        steps[i].first();
        wincore::Pump();
        // The cue's pixels along the top of the drop button, two deep.
        EXPECT_EQ(CountPixels({200, 100, 250, 102}, GetSysColor(COLOR_HIGHLIGHT)), steps[i].second) << "step " << i;
    }
}

}  // namespace
