// Every control painting its background and texts without its pictures: withheld from the library
// in fault_tests; in fault_no_factory_tests no imaging factory, so PNGs fail while bitmaps load.
#include <cstdlib>

#include "fault/fault_fixture.h"

namespace {

class PicturesTest : public FaultTest {
protected:
    void SetUp() override
    {
        FaultTest::SetUp();
        if (getenv("WINCORE_NO_IMAGING_FACTORY")) return;
        HMODULE library = GetModuleHandleW(TEXT("RKNavCtrlEx"));
        wincore::WithholdResources(library, TEXT("PNG"));
        wincore::WithholdResources(library, RT_BITMAP);
        ASSERT_EQ(FindResourceW(library, MAKEINTRESOURCEW(121), TEXT("PNG")), nullptr);
        ASSERT_EQ(FindResourceW(library, MAKEINTRESOURCEW(107), RT_BITMAP), nullptr);
    }
};

// The drop-down list paints without its pictures in the combo box's case below.
TEST_F(PicturesTest, ListViewDrawsRowsWithoutFramePageBarChecksOrArrows)
{
    NavListViewEx list;
    list.EnablePageScroll(1);
    list.SetCheckBox(1);
    list.SetRightArrow(1);
    list.SetColor(kTextColour, RGB(0, 0, 255));
    list.SetBkColor(RGB(255, 255, 255), 0);
    for (int i = 0; i < 8; i++) list.AddItem(TEXT("MMMMMMMM"), -1, 0);
    ASSERT_EQ(list.Create(nullptr, WS_CHILD | WS_VISIBLE, RECT{10, 10, 310, 400}, owner, 7, -1), 1);
    wincore::Pump();
    EXPECT_GT(CountPixels(RECT{10, 10, 310, 130}, kTextColour, kNear), 20) << "the list's rows";
    Tap(100, 40);
    Tap(60, 400 - 22);
    wincore::Advance(500);
    EXPECT_EQ(list.GetCheckStatus(0), 1);
}

TEST_F(PicturesTest, ComboBoxDrawsItsTextAndOpensItsList)
{
    CNavComboboxEx combo;
    RECT rect = {10, 100, 250, 400};
    WCHAR text[] = TEXT("MMMMMM");
    ASSERT_EQ(combo.Create(nullptr, WS_VISIBLE, text, rect, owner, 20), 1);
    for (const WCHAR* item : {TEXT("One"), TEXT("Two")}) combo.AddString(item);
    wincore::Pump();
    EXPECT_GT(CountPixels(RECT{10, 100, 190, 142}, RGB(0, 0, 0), kNear), 20) << "the field's text";
    PickInCombo(0);
    EXPECT_EQ(combo.GetCurSel(), 0);
}

TEST_F(PicturesTest, VectorBoxDrawsItsItemWithoutAFrame)
{
    CNavVectorBox box;
    ASSERT_EQ(box.Create(nullptr, WS_CHILD | WS_VISIBLE, TEXT("box"), RECT{20, 30, 272, 72}, owner, 7, VBOX_HORZ), 1);
    box.SetTextColor(kTextColour);
    box.InsertItem(TEXT("MMMMMM"), nullptr);
    box.InsertItem(TEXT("WWWWWW"), nullptr);
    wincore::Pump();
    EXPECT_GT(CountPixels(RECT{78, 30, 214, 72}, kTextColour, kNear), 20);
    EXPECT_GT(CountPixels(RECT{20, 30, 78, 72}, kOwnerColour, kNear), 1000) << "the owner's background under the arrows";
    Tap(272 - 29, 51);
    wincore::Advance(500);
    EXPECT_EQ(box.GetCurSel(), 1);
}

TEST_F(PicturesTest, MenusDrawTheirItemsWithoutFrameOrPanel)
{
    for (unsigned type : {1u, 0u}) {
        CRKNaviMenu menu;
        ASSERT_EQ(menu.Create(type), 1);
        for (UINT id : {1u, 2u}) menu.AppendItem(MWF_ENABLED | MWF_TEXT, id, id == 1 ? TEXT("MMMMMM") : TEXT("WWWWWW"), {kTextColour, 200}, nullptr);
        ASSERT_EQ(menu.TrackMenu(owner, 200, 300), 1);
        wincore::Advance(1500);
        RECT placed;
        GetWindowRect(menu.GetSafeHwnd(), &placed);
        EXPECT_GT(CountPixels(placed, kTextColour, kNear), 20) << (type ? "the pop-up" : "the sliding panel");
        menu.Destroy();
    }
}

}  // namespace
