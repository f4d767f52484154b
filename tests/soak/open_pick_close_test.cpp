// 10,000 open / pick / close cycles of the combo box's list, the pop-up menu and the sliding panel,
// each pick checked.
#include "NavComboboxEx.h"
#include "RKNaviMenu.h"
#include "soak/soak_fixture.h"

namespace {

using OpenPickCloseSoak = SoakTest;

constexpr tagMW_FontStysle kItemStyle = {kTextColour, 150};

TEST_F(OpenPickCloseSoak, ComboBoxList)
{
    CNavComboboxEx combo;
    RECT rect = {10, 100, 250, 400};
    ASSERT_EQ(combo.Create(nullptr, WS_VISIBLE, nullptr, rect, owner, 20), 1);
    for (const WCHAR* name : {TEXT("Alpha"), TEXT("Beta"), TEXT("Gamma")}) combo.AddString(name);
    int picks = 0;
    onNotify = [&](UINT message, WPARAM wParam, LPARAM) { picks += message == WM_COMMAND && HIWORD(wParam) == CBN_SELCHANGE; };
    Soak("combo box list", [&](int i) {
        Tap(220, 120);
        wincore::Advance(100);
        Tap(130, 152 + 42 * (i % 3));
        wincore::Advance(100);
        ASSERT_EQ(combo.GetCurSel(), i % 3) << "cycle " << i;
    });
    EXPECT_EQ(picks, SoakCycles());
}

// A pop-up menu closes after each pick and forgets its items.
TEST_F(OpenPickCloseSoak, PopupMenu)
{
    CRKNaviMenu menu;
    ASSERT_EQ(menu.Create(1), 1);
    UINT picked = 0;
    int picks = 0;
    onNotify = [&](UINT message, WPARAM wParam, LPARAM) {
        if (message != WM_COMMAND) return;
        picked = LOWORD(wParam);
        picks++;
    };
    Soak("pop-up menu", [&](int i) {
        menu.AppendItem(MWF_ENABLED | MWF_TEXT, 1, TEXT("Home"), kItemStyle, nullptr);
        menu.AppendItem(MWF_ENABLED | MWF_TEXT, 2, TEXT("Work"), kItemStyle, nullptr);
        ASSERT_EQ(menu.TrackMenu(owner, 100, 100), 1);
        wincore::Pump();
        RECT placed;
        GetWindowRect(menu.GetSafeHwnd(), &placed);
        const int item = i % 2;
        Tap(placed.left + 26, placed.top + 26 + item * (placed.bottom - placed.top - 44) / 2);
        ASSERT_EQ(picked, UINT(item + 1)) << "cycle " << i;
        ASSERT_EQ(menu.GetSafeHwnd(), nullptr) << "cycle " << i;
    });
    EXPECT_EQ(picks, SoakCycles());
}

// The sliding panel opens, stays open after a pick, and closes through its close button, after
// which it has forgotten its items.
TEST_F(OpenPickCloseSoak, SlidingPanel)
{
    CRKNaviMenu menu;
    ASSERT_EQ(menu.Create(0), 1);
    int picks = 0;
    onNotify = [&](UINT message, WPARAM, LPARAM) { picks += message == WM_COMMAND; };
    Soak("sliding panel", [&](int i) {
        menu.AppendItem(MWF_ENABLED | MWF_TEXT, 1, TEXT("Home"), kItemStyle, nullptr);
        ASSERT_EQ(menu.TrackMenu(owner, 100, 300), 1);
        menu.SetCloseBt(RECT{0, 0, 10, 10}, 1);  // TrackMenu starts without one
        wincore::Advance(200);
        RECT placed;
        GetWindowRect(menu.GetSafeHwnd(), &placed);
        Tap(placed.left + 14, placed.top + 14);
        ASSERT_EQ(picks, i + 1) << "cycle " << i;
        Tap(placed.left + 3, placed.top + 3);
        wincore::Advance(700);
        ASSERT_EQ(menu.GetSafeHwnd(), nullptr) << "cycle " << i;
    });
}

}  // namespace
