// Keys in both menus: the hot item over the items keys can reach, picks, closing, and the first
// item hot when a key opens the menu.
#include <algorithm>

#include "menu/menu_fixture.h"

namespace {

constexpr int kMargin = 10;  // px around the panel's items

struct Look {
    unsigned type;
    UINT openKey;  // the host's shortcut
    int inset;     // px from the window's edge to the items
    COLORREF hot;  // the pop-up inverts the red text to cyan; the panel lays the gold highlight under it
};
const Look kLooks[] = {{1, 'M', kFrame, RGB(0, 255, 255)}, {0, VK_F10, kMargin, RGB(240, 184, 60)}};

using Rows = std::vector<int>;

void Press(UINT vk)
{
    wincore::KeyDown(vk);
    wincore::KeyUp(vk);
}

class MenuKeys : public MenuTest {
protected:
    // Items 1 and 5 can be hot by key; 2 is disabled, 3 hidden, 4 grayed.
    void Fill(const Look& look)
    {
        menu_.Destroy();
        ASSERT_EQ(menu_.Create(look.type), 1);
        if (look.type == 0) menu_.SetParam(MOVE_DOWN, 1, nullptr, nullptr, 1);
        const UINT flags[] = {kPlain, MWF_DISABLED | MWF_TEXT, kPlain | MWF_HIDDEN, kPlain | MWF_GRAYED, kPlain};
        for (UINT id = 1; id <= 5; id++) menu_.AppendItem(flags[id - 1], id, TEXT("Item"), kRedText, nullptr);
    }
    // Opens the menu at (100, 50) from the owner's handling of the look's key, as a host's shortcut does.
    HWND OpenFromKey(const Look& look)
    {
        onMessage = [this, vk = look.openKey](UINT message, WPARAM wParam, LPARAM) {
            if ((message == WM_KEYDOWN || message == WM_SYSKEYDOWN) && wParam == vk) menu_.TrackMenu(owner, 100, 50);
        };
        Press(look.openKey);
        onMessage = nullptr;
        Log().Name(menu_.GetSafeHwnd(), "menu");
        wincore::Advance(12 * kTick);  // the panel has opened
        return menu_.GetSafeHwnd();
    }
    Rows HotRows(const Look& look)  // read from the screen
    {
        Rows rows;
        for (int row = 0; row < 5; row++)
            if (CountPixels(Row(row, look.inset), look.hot, kNear) > 0) rows.push_back(row);
        return rows;
    }
};

TEST_F(MenuKeys, OpenedByAKeyTheHotItemMovesOverReachableItemsAndEnterPicksAsATap)
{
    const std::pair<UINT, int> steps[] = {{VK_DOWN, 4}, {VK_DOWN, 0}, {VK_UP, 4}, {VK_UP, 0}, {VK_TAB, 0}, {VK_UP, 4}};
    for (const Look& look : kLooks) {
        Fill(look);
        HWND menu = OpenFromKey(look);
        EXPECT_EQ(GetFocus(), menu) << "the menu takes the keys";
        EXPECT_EQ(HotRows(look), Rows{0});
        for (auto [vk, hot] : steps) {
            Press(vk);
            EXPECT_EQ(HotRows(look), Rows{hot}) << vk;
        }
        Log().Only({WM_ACTIVATE, WM_SETFOCUS, WM_COMMAND});
        Press(VK_RETURN);
        std::vector<std::string> pick = {"owner WM_COMMAND 0x00000005 menu"};
        if (look.type == 1) pick.insert(pick.end(), {"owner WM_ACTIVATE 1 menu", "owner WM_SETFOCUS menu"});
        EXPECT_TRUE(SameTraffic(Log().Lines(), pick));
        EXPECT_EQ(bool(IsWindow(menu)), look.type == 0) << "the pop-up closes, the panel stays open";
    }
    // Escape slides the panel shut, a fifth of its height per tick, and gives the focus back.
    HWND panel = menu_.GetSafeHwnd();
    const int height = WindowRect(panel).bottom - WindowRect(panel).top;
    Press(VK_ESCAPE);
    std::vector<int> heights;
    for (int tick = 0; tick < 8 && IsWindow(panel); tick++, wincore::Advance(kTick))
        heights.push_back(WindowRect(panel).bottom - WindowRect(panel).top);
    EXPECT_FALSE(IsWindow(panel));
    EXPECT_EQ(GetFocus(), owner);
    ASSERT_GE(heights.size(), 3u) << "the closing runs its frames";
    EXPECT_EQ(heights.front(), height);
    EXPECT_TRUE(std::is_sorted(heights.rbegin(), heights.rend()));
    for (size_t tick = 1; kExactTicks && tick < heights.size(); tick++)
        EXPECT_EQ(heights[tick], height - int(tick) * (height / 5)) << tick;
}

// Opened by the pen nothing is hot, and the panel leaves the focus where it is; the pop-up, which
// takes the focus as it always did, answers the keys from there.
TEST_F(MenuKeys, OpenedByThePenNothingIsHot)
{
    for (const Look& look : kLooks) {
        Fill(look);
        Log().Only({WM_SETFOCUS, WM_KILLFOCUS, WM_COMMAND});
        ASSERT_EQ(menu_.TrackMenu(owner, 100, 50), 1);
        HWND menu = menu_.GetSafeHwnd();
        wincore::Advance(12 * kTick);
        EXPECT_EQ(HotRows(look), Rows{}) << look.type;
        if (look.type == 0) {
            EXPECT_TRUE(Log().Lines().empty()) << "no focus traffic";
            continue;
        }
        Press(VK_RETURN);
        EXPECT_TRUE(IsWindowVisible(menu)) << "nothing hot, nothing picked";
        Press(VK_UP);
        EXPECT_EQ(HotRows(look), Rows{4}) << "Up from none: the last";
        Press(VK_ESCAPE);
        EXPECT_FALSE(IsWindow(menu));
        EXPECT_TRUE(Commands().empty());
    }
}

}  // namespace
