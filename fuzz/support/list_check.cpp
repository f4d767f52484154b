#include "support/list_check.h"

#include <algorithm>

#include "support/session.h"

namespace {

// A derived class may name the list's protected fields through member pointers.
struct ListFields : NavListViewEx {
    static const std::vector<tagNAVLVITME>& Items(const NavListViewEx& list) { return list.*(&ListFields::items); }
    static const std::vector<tagNAVLVITME>& Rows(const NavListViewEx& list)
    {
        return list.*(&ListFields::visibleRows);
    }
    static int TopIndex(const NavListViewEx& list) { return list.*(&ListFields::topIndex); }
    static int FirstRowBottom(const NavListViewEx& list) { return list.*(&ListFields::firstRowBottom); }
    static int ItemHeight(const NavListViewEx& list) { return list.*(&ListFields::itemHeight); }
    static int CurSel(const NavListViewEx& list) { return list.*(&ListFields::curSel); }
};

bool SameText(const tagNAVLVITME& a, const tagNAVLVITME& b)
{
    return std::equal(a.text1, a.text1 + NAVLV_TEXT_LEN, b.text1);
}

void CheckRows(const NavListViewEx& list)
{
    const auto& items = ListFields::Items(list);
    const auto& rows = ListFields::Rows(list);
    const int top = ListFields::TopIndex(list);
    for (size_t k = 0; k < rows.size(); k++) {
        const tagNAVLVITME& row = rows[k];
        Check(row.index == top + int(k), "visible rows do not follow on from the top row");
        Check(row.index >= 0 && size_t(row.index) < items.size(), "a visible row names no item");
        Check(SameText(row, items[size_t(row.index)]), "a visible row shows another item's text");
    }
}

}  // namespace

void CheckList(const NavListViewEx& list, bool painted)
{
    const int count = int(ListFields::Items(list).size());
    const int curSel = ListFields::CurSel(list);
    const int top = ListFields::TopIndex(list);
    const int bottom = ListFields::FirstRowBottom(list);
    const int height = ListFields::ItemHeight(list);
    Check(curSel == -1 || (curSel >= 0 && curSel < count), "curSel is neither -1 nor a position");
    Check(height >= 1, "rows of no height");
    Check(top >= 0, "negative top index");
    if (top != 0) Check(bottom >= 0 && bottom <= height, "firstRowBottom outside 0..itemHeight below the top");
    if (painted) CheckRows(list);
}

bool FreshlyPainted(NavListViewEx& list)
{
    HWND hwnd = list.GetSafeHand();
    RECT client = {0, 0, 0, 0}, update;
    // A window without area is never painted: its rows stay what they were (a copy's, say).
    if (!IsWindow(hwnd) || !IsWindowVisible(hwnd) || !GetClientRect(hwnd, &client) || IsRectEmpty(&client))
        return false;
    return !GetUpdateRect(hwnd, &update, FALSE);
}
