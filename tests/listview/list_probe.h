// Shared by the list view tests: a probe that opens the list's protected state, and a fixture
// whose recording owner covers the screen, so owner client and screen coordinates agree.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "NavListViewEx.h"
#include "support/host_fixture.h"
#include "support/message_log.h"

struct ProbeList : NavListViewEx {
    using NavListViewEx::firstRowBottom, NavListViewEx::hParent, NavListViewEx::items, NavListViewEx::listRect,
        NavListViewEx::pageBarRect, NavListViewEx::pageButtons, NavListViewEx::pageSize, NavListViewEx::rightArrow,
        NavListViewEx::visibleRows, NavListViewEx::wndRect;

    void ScrollTo(int top, int rowBottom, bool indicator = false)
    {
        topIndex = top;
        firstRowBottom = rowBottom;
        scrollBarVisible = indicator;
        Refresh();
        wincore::Pump();
    }
};

class ListTest : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        owner = CreateRecorder("owner", WS_POPUP | WS_VISIBLE, 0, 0, 800, 480);
        wincore::Pump();
    }
    // A visible child list at `rect` with `count` more items "Item 0", "Item 1", ...
    void Open(NavListViewEx& list, RECT rect, int count, int mode = NAVLV_MODE_LIST, UINT id = 7)
    {
        for (int i = 0; i < count; i++) list.AddItem(U16("Item " + std::to_string(i)).c_str(), -1, 0);
        ASSERT_EQ(list.Create(nullptr, WS_CHILD | WS_VISIBLE, rect, owner, id, mode), 1);
        wincore::Pump();
    }
    void Tap(int x, int y) { wincore::PenDown(x, y); wincore::PenUp(x, y); }

    HWND owner = nullptr;
};

inline std::string Str(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

inline WString Text(const tagNAVLVITME& item)
{
    return WString(item.text1, std::find(item.text1, item.text1 + NAVLV_TEXT_LEN, TEXT('\0')));
}
