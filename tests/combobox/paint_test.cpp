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
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 300, 200);
    HGDIOBJ old = SelectObject(dc, bitmap);
    EXPECT_EQ(combo.OnPaintEx(dc), 1);
    EXPECT_EQ(GetPixel(dc, 100, 120), wincore::ScreenPixel(200, 170)) << "the field as on the screen";
    EXPECT_EQ(GetPixel(dc, 9, 120), 0u);
    EXPECT_EQ(GetPixel(dc, 100, 142), 0u);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

}  // namespace
