// Pen input on the field, the drop timer, where the list opens, and what the owner is told in which order.
#include <functional>

#include "combobox/combo_fixture.h"

namespace {

// The fields lie at (10, 100)-(250, 142) unless a test says otherwise; rows of 42 open under them.
constexpr int kButtonX = 220, kTextX = 100, kFieldY = 120;

int RowY(int row)
{
    return 140 + 42 * row + 12;
}

void TapButtonAndWait(int dx = 0, int dy = 0)
{
    Tap(kButtonX + dx, kFieldY + dy);
    wincore::Advance(100);
}

TEST_F(ComboTest, ListOpensUnderOrOverTheFieldWithWholeRows)
{
    const HWND inner = Inner();  // at (100, 50), its client area ends at 450
    // Where each field's list opens ("": not at all), and what a tap `tapY` px under the field tells.
    const struct {
        HWND parent;
        RECT field;
        const char* items;
        UINT height;
        const char* list;
        int tapY;
        std::vector<std::string> told;
    } cases[] = {
        // 6 rows of 42 fit the 260-pixel area; the window adds 2 px over the field and the frame's 23 under the rows.
        {owner, {10, 100, 250, 400}, "0,1,2,3,4,5,6,7,8,9", 42, "10,140,250,417", 0, {}},
        {owner, {10, 100, 250, 400}, "a,b", 42, "10,140,250,249", 0, {}},
        {owner, {10, 100, 250, 400}, "a,b", 60, "10,140,250,285", 0, {}},  // rows of 60 under a field of 42
        {owner, {10, 100, 250, 400}, "", 42, "", 0, {}},                   // an empty list never opens
        {owner, {10, 100, 250, 400}, "a,b", 1u << 30, "10,140,250,165", 0, {}},  // 2 rows overflow 32 bits
        {owner, {300, 400, 540, 700}, "a,b", 42, "300,291,540,400", 0, {}},  // no room below: over the field
        {inner, {10, 330, 250, 600}, "a,b", 42, "110,271,350,380", 0, {}},
        {inner, {10, 100, 250, 400}, "a,b", 42, "110,190,350,299", 94,
         {"notify 1070 code -2 b", "command 20 code 1 'b' sel 1 list 0"}},
        // The one row is whole, down to its bottom pixel.
        {owner, {10, 100, 250, 400}, "a", 42, "10,140,250,207", 80,
         {"notify 1070 code -2 a", "command 20 code 1 'a' sel 0 list 0"}},
    };
    for (const auto& c : cases) {
        ShowWindow(inner, c.parent == inner ? SW_SHOW : SW_HIDE);  // over the owner's fields on Win32
        ComboProbe box;
        ASSERT_TRUE(Make(box, c.parent, c.field, c.items));
        box.SetItemHeight(0, c.height);
        POINT field = {c.field.left, c.field.top};
        MapWindowPoints(c.parent, nullptr, &field, 1);
        TapButtonAndWait(field.x - 10, field.y - 100);
        EXPECT_EQ(IsWindowVisible(box.List()) ? ScreenRect(box.List()) : "", c.list) << c.items << " " << c.height;
        if (*c.list) {
            EXPECT_EQ(GetFocus(), box.List()) << c.list;
        }
        if (!c.tapY) continue;
        events.clear();
        Tap(field.x + 120, field.y + c.tapY);
        EXPECT_TRUE(SameTraffic(Notifications(), c.told)) << c.list;
    }
}

TEST_F(ComboTest, TappingAnItemNotifiesTheOwnerThroughTheListThenTheField)
{
    ComboProbe combo;
    ASSERT_TRUE(Make(combo, owner, {10, 100, 250, 400}, "Alpha,Beta,Gamma"));
    TapButtonAndWait();
    events.clear();
    Tap(130, RowY(1));
    EXPECT_TRUE(SameTraffic(events, {"notify 1070 code -2 Beta", "activate 1 list", "focus list",
                                     "command 20 code 1 'Beta' sel 1 list 0"}));

    TapButtonAndWait();
    events.clear();
    SendMessageW(combo.List(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(120, RowY(2) - 140));
    SendMessageW(combo.List(), WM_LBUTTONUP, 0, MAKELPARAM(120, RowY(2) - 140));
    EXPECT_TRUE(SameTraffic(events, {"notify 1070 code -3 Gamma", "activate 1 list", "focus list",
                                     "command 20 code 1 'Gamma' sel 2 list 0",
                                     "command 20 code 2 'Gamma' sel 2 list 0"}));

    events.clear();
    TapButtonAndWait();
    EXPECT_EQ(combo.SetCurSel(-1), 1);
    EXPECT_EQ(std::to_string(combo.GetCurSel()) + " '" + Text(combo) + "'", "-1 ''") << "no selection shows no text";
    EXPECT_FALSE(IsWindowVisible(combo.List()));
    EXPECT_TRUE(SameTraffic(Notifications(), {})) << "opening, closing and SetCurSel tell the owner nothing";
}

TEST_F(ComboTest, ButtonTogglesTheListAndLosingTheFocusClosesIt)
{
    ComboProbe combo;
    ASSERT_TRUE(Make(combo, owner, {10, 100, 250, 400}, "Alpha,Beta"));
    const struct {
        std::function<void()> step;
        bool open;
        const char* why;
    } steps[] = {{[] { TapButtonAndWait(), wincore::Advance(500); }, true, "the button opens it (the timer runs once)"},
                 {[] { Tap(600, 300); }, false, "a tap elsewhere takes the focus"},
                 {[] { wincore::Advance(60), TapButtonAndWait(); }, true, "a later tap on the button opens it"},
                 {[] { TapButtonAndWait(), wincore::Advance(200); }, false, "the tap that took the focus only closes"},
                 {[] { TapButtonAndWait(); }, true, "opens again"},
                 {[&] { SetFocus(owner); }, false, "the host takes the focus"},
                 {[] { TapButtonAndWait(); }, true, "the host closed the list, not the tap: it opens"},
                 {[&] { combo.Show(SW_SHOW); }, false, "showing the field closes the list"}};
    for (const auto& s : steps) {
        s.step();
        EXPECT_EQ(IsWindowVisible(combo.List()) != FALSE, s.open) << s.why;
    }

    // A press counts only where it began (a second tap arrives as a double click); disabled, nothing counts.
    events.clear();
    for (BOOL enabled : {TRUE, FALSE}) {
        combo.EnableWindow(enabled);
        for (auto [down, up] : {std::pair(kButtonX, kTextX), {kTextX, kButtonX}})
            wincore::PenDown(down, kFieldY), wincore::PenUp(up, kFieldY);
        Tap(kTextX, kFieldY);
        Tap(kTextX, kFieldY);
        wincore::Advance(200);
        EXPECT_FALSE(IsWindowVisible(combo.List()));
    }
    EXPECT_TRUE(SameTraffic(Notifications(), {"command 20 code 0 '<none>' sel -1 list 0",
                                              "command 20 code 0 '<none>' sel -1 list 0"}));
}

// The list glides at the period set before it exists: at 16 ms, rows move 16 ms after the lift.
TEST_F(ComboTest, TheListGlidesAtTheAnimationIntervalTheComboBoxPassesOn)
{
    for (int interval : {0, 16}) {
        ComboProbe combo;
        for (int refused : {-1, 7, 51}) EXPECT_EQ(combo.SetAnimationInterval(refused), 0) << refused;
        EXPECT_EQ(combo.SetAnimationInterval(interval), 1);
        ASSERT_TRUE(Make(combo, owner, {10, 100, 250, 400}, "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19"));
        TapButtonAndWait();
        wincore::PenDown(100, 350);
        for (int y : {310, 270}) wincore::Advance(10), wincore::PenMove(100, y);
        wincore::Advance(5);
        wincore::PenUp(100, 270);
        const int lifted = CountPixels({32, 140, 228, 390}, RGB(0, 0, 0), 40);
        wincore::Advance(16);
        if (kExactTicks) {
            EXPECT_EQ(CountPixels({32, 140, 228, 390}, RGB(0, 0, 0), 40) != lifted, interval != 0) << interval;
        }
        wincore::Advance(2000);
        EXPECT_FALSE(KillTimer(combo.List(), 3)) << "the glide has ended";
    }
}

}  // namespace
