// The list view tests' host: lists on the owner, read back from the screen and from their taps' notices.
#pragma once

#include <string>
#include <vector>

#include "NavListViewEx.h"
#include "support/owner_fixture.h"

constexpr COLORREF kSeparator = RGB(199, 146, 93);
constexpr COLORREF kSelected = RGB(4, 4, 255);  // the selection gradient's middle, across the row

class ListTest : public OwnerTest {
protected:
    void SetUp() override
    {
        OwnerTest::SetUp();
        onMessage = [this](UINT message, WPARAM, LPARAM lParam) {
            if (message == WM_NAVLV_ITEMNOTIFY) notes.push_back(*reinterpret_cast<tagNAVLVITME*>(lParam));
        };
    }
    void Open(NavListViewEx& list, RECT rect, int count, int mode = NAVLV_MODE_LIST, UINT id = 7)
    {
        for (int i = 0; i < count; i++) list.AddItem(U16("Item " + std::to_string(i)).c_str(), -1, 0);
        ASSERT_EQ(list.Create(nullptr, WS_CHILD | WS_VISIBLE, rect, owner, id, mode), 1);
        wincore::Pump();
    }
    tagNAVLVITME TapRecord(int x, int y)
    {
        notes.clear();
        Tap(x, y);
        return notes.empty() ? tagNAVLVITME{} : notes.back();
    }

    std::vector<tagNAVLVITME> notes;  // every item notice the owner received
};

// Where the rows' separator lines cross x = 200 from the top of the screen, e.g. "30 90 150 ".
inline std::string Separators()
{
    std::string lines;
    for (int y = 0; y < 300; y++)
        if (wincore::ScreenPixel(200, y) == kSeparator) lines += std::to_string(y) + " ";
    return lines;
}
