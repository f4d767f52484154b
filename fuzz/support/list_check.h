// The list view's invariants, for the list itself and for the combo box's drop-down list.
#pragma once

#include <algorithm>

#include "NavListViewEx.h"
#include "support/session.h"

// The rows' position is the list's protected state, which a derived class may read.
struct ListState : NavListViewEx {
    static const NavListState& Of(const NavListViewEx& list) { return list; }
};

// `current`: nothing changed the rows without repainting them since the last paint.
inline void CheckList(NavListViewEx& list, bool current)
{
    const NavListState& state = ListState::Of(list);
    const int curSel = list.GetCurrentSel(), height = list.GetItemHeigh();
    Check(curSel == -1 || (curSel >= 0 && curSel < list.GetItemCount()), "curSel is neither -1 nor a position");
    Check(height >= 1, "rows of no height");
    Check(state.topIndex >= 0, "negative top index");
    if (state.topIndex != 0)
        Check(state.firstRowBottom >= 0 && state.firstRowBottom <= height,
              "firstRowBottom outside 0..itemHeight below the top");
    // Only rows painted with nothing left to paint; a window without area is never painted.
    HWND hwnd = list.GetSafeHand();
    RECT client = {0, 0, 0, 0}, update;
    if (!current || !IsWindow(hwnd) || !IsWindowVisible(hwnd) || !GetClientRect(hwnd, &client) ||
        IsRectEmpty(&client) || GetUpdateRect(hwnd, &update, FALSE))
        return;
    for (size_t k = 0; k < state.visibleRows.size(); k++) {
        const tagNAVLVITME& row = state.visibleRows[k];
        Check(row.index == state.topIndex + int(k), "visible rows do not follow on from the top row");
        Check(row.index >= 0 && size_t(row.index) < state.items.size(), "a visible row names no item");
        const WCHAR* shown = state.items[size_t(row.index)].text1;
        Check(std::equal(row.text1, row.text1 + NAVLV_TEXT_LEN, shown), "a visible row shows another item's text");
    }
}
