// 10,000 create / destroy cycles of every control, each painted once while it lives.
#include "NavComboboxEx.h"
#include "NavListViewEx.h"
#include "NavVectorBox.h"
#include "RKNaviMenu.h"
#include "soak/soak_fixture.h"

namespace {

using CreateDestroySoak = SoakTest;

TEST_F(CreateDestroySoak, ListView)
{
    Soak("list view", [this](int i) {
        NavListViewEx list;
        list.EnablePageScroll(i % 3 == 0);
        for (int row = 0; row < 4; row++) list.AddItem(TEXT("Row"), -1, 0);
        const bool dropDown = i % 2;
        ASSERT_EQ(list.Create(nullptr, dropDown ? WS_POPUP | WS_VISIBLE : WS_CHILD | WS_VISIBLE,
                              RECT{10, 10, 250, 300}, owner, 7, dropDown ? 100 : -1),
                  1);
        wincore::Pump();
    });
}

TEST_F(CreateDestroySoak, ComboBox)
{
    Soak("combo box", [this](int) {
        CNavComboboxEx combo;
        RECT rect = {10, 100, 250, 400};
        WCHAR text[] = TEXT("Field");
        ASSERT_EQ(combo.Create(nullptr, WS_VISIBLE, text, rect, owner, 20), 1);
        combo.AddString(TEXT("One"));
        combo.AddString(TEXT("Two"));
        wincore::Pump();
    });
}

TEST_F(CreateDestroySoak, VectorBox)
{
    Soak("vector box", [this](int i) {
        CNavVectorBox box;
        ASSERT_EQ(box.Create(nullptr, WS_CHILD | WS_VISIBLE, nullptr, RECT{20, 30, 272, 72}, owner, 7,
                             i % 2 ? VBOX_VERT : VBOX_HORZ),
                  1);
        box.InsertItem(TEXT("Item"), nullptr);
        wincore::Pump();
    });
}

TEST_F(CreateDestroySoak, Menu)
{
    Soak("menu", [this](int i) {
        CRKNaviMenu menu;
        ASSERT_EQ(menu.Create(i % 2), 1);
        menu.AppendItem(MWF_ENABLED | MWF_TEXT, 1, TEXT("Home"), {kTextColour, 150}, nullptr);
        ASSERT_EQ(menu.TrackMenu(owner, 100, 300), 1);
        wincore::Pump();
    });
}

}  // namespace
