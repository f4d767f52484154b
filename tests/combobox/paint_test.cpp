// The field's looks over a striped owner, the open list, and painting into the owner's DC.
#include "combobox/combo_fixture.h"
#include "support/golden.h"

namespace {

constexpr RECT kField = {0, 90, 260, 152};

TEST_F(ComboTest, FieldLooksEnabledDisabledPressedAndOpen)
{
    ComboProbe combo;
    ASSERT_TRUE(Make(combo, owner, {10, 100, 250, 400}, "Beijing,Shanghai,Guangzhou"));
    combo.SetCurSel(0);
    wincore::Pump();
    EXPECT_TRUE(MatchesGolden("combobox_enabled", kField, 8, 40));

    combo.EnableWindow(0);
    wincore::Pump();
    EXPECT_TRUE(MatchesGolden("combobox_disabled", kField, 8, 40));

    combo.EnableWindow(1);
    wincore::Pump();
    wincore::PenDown(220, 120);
    EXPECT_TRUE(MatchesGolden("combobox_pressed", kField, 8, 40));
    wincore::PenUp(220, 120);
    wincore::Advance(100);
    EXPECT_TRUE(MatchesGolden("combobox_open", RECT{0, 90, 260, 290}, 8, 80));
}

TEST_F(ComboTest, PaintsIntoTheOwnersContextAtTheFieldsPlace)
{
    ComboProbe combo;
    ASSERT_TRUE(Make(combo, Inner(), {10, 100, 250, 400}, ""));
    Canvas host(300, 200, RGB(0, 0, 0));
    EXPECT_EQ(combo.OnPaintEx(host.dc()), 1);
    EXPECT_EQ(host.At(100, 120), wincore::ScreenPixel(200, 170)) << "the field as on the screen";
    EXPECT_TRUE(host.At(9, 120) == 0 && host.At(100, 142) == 0) << "nothing beside or under it";
}

}  // namespace
