// What the fault and soak tests share: the owner in a plain colour, against which the controls'
// texts are counted, and the controls as those tests set them up.
#pragma once

#include "NavComboboxEx.h"
#include "NavListViewEx.h"
#include "NavVectorBox.h"
#include "RKNaviMenu.h"
#include "support/owner_fixture.h"

constexpr COLORREF kOwnerColour = RGB(30, 60, 90);
constexpr COLORREF kTextColour = RGB(255, 40, 40);
constexpr int kNear = 60;  // per channel: antialiased text still counts as its colour

class FaultTest : public OwnerTest {
protected:
    void SetUp() override
    {
        OwnerTest::SetUp();
        PaintBackdrop([](HDC dc) { Fill(dc, RECT{0, 0, 800, 480}, kOwnerColour); });
    }
};

// Items 1..count, each "Item" in the test's text colour.
inline void AppendItems(CRKNaviMenu& menu, UINT count)
{
    for (UINT id = 1; id <= count; id++) menu.AppendItem(MWF_ENABLED | MWF_TEXT, id, TEXT("Item"), {kTextColour, 150}, nullptr);
}

// Alpha, Beta, Gamma in a field at (10, 100), 240 wide, its list opening below it: id 20.
inline void CreateGreekCombo(CNavComboboxEx& combo, HWND owner)
{
    RECT rect = {10, 100, 250, 400};
    ASSERT_EQ(combo.Create(nullptr, WS_VISIBLE, nullptr, rect, owner, 20), 1);
    for (const WCHAR* name : {TEXT("Alpha"), TEXT("Beta"), TEXT("Gamma")}) combo.AddString(name);
}

// Opens the list of a combo box at (10, 100); it has the focus then.
inline HWND OpenComboList()
{
    Tap(220, 120);
    wincore::Advance(150);
    return GetFocus();
}

inline void PickInCombo(int row)
{
    OpenComboList();
    Tap(130, 152 + 42 * row);
    wincore::Advance(150);
}
