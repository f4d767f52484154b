// The item store and the list's life: texts, the selection, use outside a window's life, copies.
#include <tuple>

#include "listview/list_fixture.h"

namespace {

using ListItems = ListTest;

WString Read(NavListViewEx& list, int index)
{
    WCHAR buffer[NAVLV_TEXT_LEN + 1] = {};
    return list.GetItemText(index, buffer, NAVLV_TEXT_LEN) == 1 ? WString(buffer) : TEXT("<none>");
}

TEST_F(ListItems, TextsKeepAHundredUnitsAndReadAsAsked)
{
    NavListViewEx list;
    WString huge(10000, TEXT('x'));
    list.AddItem(WString(150, TEXT('y')).c_str(), -1, 1);
    EXPECT_EQ(Read(list, 0), WString(100, TEXT('y')));
    // A cut never splits a surrogate pair: the pair at units 99 and 100 stays out whole.
    list.SetItemText(0, (WString(99, TEXT('y')) + WString{WCHAR(0xD83D), WCHAR(0xDE97)}).c_str(), nullptr, nullptr);
    EXPECT_EQ(Read(list, 0), WString(99, TEXT('y')));
    list.AddItem(nullptr, -1, 0);
    EXPECT_EQ(list.SetItemText(1, nullptr, huge.c_str(), nullptr), 1);
    EXPECT_EQ(list.GetItemTextLen(1), 0) << "only the second text changes";

    list.AddItem(TEXT("ABCDEF"), 3, 0);
    for (auto [len, result, left] : {std::tuple(3, 1, "ABC#####"), {6, 1, "ABCDEF\0#"}, {-1, -1, "########"}}) {
        WCHAR buffer[8];
        std::fill_n(buffer, 8, TEXT('#'));
        EXPECT_EQ(list.GetItemText(2, buffer, len), result) << len;
        EXPECT_EQ(WString(buffer, 8), U16(std::string(left, 8))) << len << ": a cut text gets no terminator";
    }
    EXPECT_EQ(list.GetItemText(2, nullptr, 5), -1);
    for (int bad : {-1, 3, 1 << 30}) {
        WCHAR buffer[8] = {};
        EXPECT_EQ(list.GetItemText(bad, buffer, 5) + list.GetItemTextLen(bad), -2) << bad;
        EXPECT_EQ(list.GetCheckStatus(bad) + list.SetItemText(bad, TEXT("z"), TEXT("z"), TEXT("z")) + list.DeleteItem(bad), 0);
        list.SetCheckStatus(bad, 1);
    }
    EXPECT_EQ(list.GetItemCount(), 3);
    list.SetItemHeigh(0);
    EXPECT_EQ(list.GetItemHeigh(), 60) << "rows of no height are refused";

    Open(list, RECT{0, 0, 400, 300}, 0);
    const tagNAVLVITME second = TapRecord(100, 90);
    EXPECT_EQ(WString(second.text2, NAVLV_TEXT_LEN), huge.substr(0, 100));
    EXPECT_EQ(second.text3[0], 0) << "a full field does not run into the next";
}

TEST_F(ListItems, TheSelectionKeepsNamingItsItemAndCarriesTheMark)
{
    auto marked = [this](NavListViewEx& list) {
        std::vector<int> rows;
        for (int row = 0; row < list.GetItemCount(); row++) {
            NavListViewEx copy(list);
            Open(copy, RECT{0, 0, 400, 480}, 0);
            if (TapRecord(100, 60 * row + 30).state & NAVLV_STATE_SELECTED) rows.push_back(row);
        }
        return rows;
    };
    NavListViewEx list;
    for (const WCHAR* text : {TEXT("A"), TEXT("B"), TEXT("C")}) list.AddItem(text, -1, 0);
    list.SetCurrentSel(2);
    list.InsertItem(TEXT("front"), 0, -1, 0);
    for (int index : {5, -1, 4}) list.InsertItem(index == 4 ? TEXT("after") : TEXT("end"), index, -1, 0);
    EXPECT_EQ(list.GetCurrentSel(), 3);

    list.DeleteItem(0);  // front A B C after end end
    list.DeleteItem(2);  // the selected item: the one now in its place takes the selection
    EXPECT_EQ(Read(list, list.GetCurrentSel()), TEXT("after"));
    EXPECT_EQ(marked(list), std::vector<int>{2});
    for (int index : {4, 3, 2}) list.DeleteItem(index);  // the selected last: the new last takes it
    EXPECT_EQ(list.GetCurrentSel(), 1);
    for (int index : {1, 0}) list.DeleteItem(index);

    list.AddItem(TEXT("A"), -1, 0);
    list.SetCurrentSel(0);
    EXPECT_EQ(list.SetCurrentSel(1), 0);
    EXPECT_EQ(list.SetCurrentSel(-5), 1);
    EXPECT_TRUE(marked(list).empty());
}

TEST_F(ListItems, UsableBeforeCreateAndAfterDestroyThenCreatedAgainWithDefaults)
{
    NavListViewEx list;
    list.AddItem(TEXT("early"), 0, 1);
    list.SetCurrentSel(0);
    list.DeleteItem(0);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(list.OnPaintEx(screen) + list.CopyDCFromWnd(nullptr), 0) << "no window: nothing to place or copy";
    ReleaseDC(nullptr, screen);

    list.EnablePageScroll(1);
    list.SetPageScroll(1, 0, 1);
    list.SetRightArrow(1);
    list.SetItemHeigh(40);
    list.SetColor(0xFF, 0xFF00);
    Open(list, RECT{0, 0, 300, 300}, 4);
    list.Destroy();  // the leak check counts its window
    list.DeleteItem(0);
    Open(list, RECT{0, 0, 480, 272}, 5);
    // The page-scroll settings and the arrow stay (one button disabled); the colours and row height do not.
    EXPECT_LT(CountPixels(RECT{430, 5, 475, 55}, RGB(0, 0, 0)), 45 * 50) << "the arrow";
    const tagNAVLVITME top = TapRecord(100, 30);
    EXPECT_EQ(std::to_string(top.textColor[0]) + " " + Str(top.rect), "0 0,0,480,60");
    Log().Only({WM_NAVLV_PAGESCROLL});
    Tap(50, 250);
    Tap(430, 250);
    EXPECT_EQ(Log().Lines().size(), 1u);
}

TEST_F(ListItems, CopiesCarrySettingsAndItemsButNeverTheWindowOrItsObjects)
{
    NavListViewEx source;
    source.SetItemHeigh(50);
    Open(source, RECT{0, 0, 300, 300}, 3);
    source.SetCurrentSel(1);
    {
        NavListViewEx copy(source);  // its items and selection: the selection test reads them
        EXPECT_EQ(copy.Create(nullptr, WS_CHILD | WS_VISIBLE, RECT{300, 0, 600, 300}, owner, 9, -1), 1);
        wincore::Pump();
    }
    NavListViewEx target;
    Open(target, RECT{0, 300, 300, 400}, 1);
    HWND old = target.GetSafeHand();
    target = source;
    target = *&target;
    EXPECT_FALSE(IsWindow(old)) << "the target let its own window go";
    EXPECT_TRUE(target.GetSafeHand() == nullptr && target.GetItemCount() == 3);
    source.SetCurrentSel(2);
    wincore::Pump();
    EXPECT_EQ(wincore::ScreenPixel(150, 125), RGB(5, 5, 255)) << "the source still paints with its own objects";
}

}  // namespace
