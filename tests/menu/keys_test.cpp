// Keys in both menus: the hot item over the items keys can reach, picks, closing, and the first
// item hot when a key opens the menu.
#include "menu/menu_fixture.h"

namespace {

constexpr UINT kOpenKey = 'M';
constexpr COLORREF kCyan = RGB(0, 255, 255);   // red text inverted: the pop-up's hot item
constexpr COLORREF kGold = RGB(240, 184, 60);  // the panel's highlight
constexpr int kMargin = 10;                    // px around the panel's items

void Press(UINT vk)
{
    wincore::KeyDown(vk);
    wincore::KeyUp(vk);
}

class MenuKeys : public MenuTest {
protected:
    // Items 1 and 5 can be hot by key; 2 is disabled, 3 hidden, 4 grayed.
    void Fill(unsigned type)
    {
        ASSERT_EQ(menu_.Create(type), 1);
        if (type == 0) menu_.SetParam(MOVE_DOWN, 1, nullptr, nullptr, 1);
        const UINT flags[] = {kPlain, MWF_DISABLED | MWF_TEXT, kPlain | MWF_HIDDEN, kPlain | MWF_GRAYED, kPlain};
        for (UINT id = 1; id <= 5; id++) menu_.AppendItem(flags[id - 1], id, TEXT("Item"), kRedText, nullptr);
    }
    // Opens the menu at (100, 50) from the owner's handling of `vk`, as a host's shortcut does.
    void OpenFromKey(UINT vk)
    {
        onMessage = [this, vk](UINT message, WPARAM wParam, LPARAM) {
            if ((message == WM_KEYDOWN || message == WM_SYSKEYDOWN) && wParam == vk) menu_.TrackMenu(owner, 100, 50);
        };
        Press(vk);
        onMessage = nullptr;
        Log().Name(menu_.GetSafeHwnd(), "menu");
    }
    // The rows shown hot, read from the screen.
    std::vector<int> HotRows(int inset, COLORREF hot)
    {
        std::vector<int> rows;
        for (int row = 0; row < 5; row++)
            if (CountPixels(Row(row, inset), hot, kNear) > 0) rows.push_back(row);
        return rows;
    }
};

using Rows = std::vector<int>;

TEST_F(MenuKeys, PopupFromAKeyStartsHotMovesOverReachableItemsAndPicks)
{
    Fill(1);
    OpenFromKey(kOpenKey);
    HWND popup = menu_.GetSafeHwnd();
    ASSERT_TRUE(IsWindowVisible(popup));
    EXPECT_EQ(GetFocus(), popup) << "shown, the pop-up takes the keys";
    EXPECT_EQ(HotRows(kFrame, kCyan), Rows{0});
    const std::pair<UINT, int> steps[] = {{VK_DOWN, 4}, {VK_DOWN, 0}, {VK_UP, 4}, {VK_UP, 0}, {VK_TAB, 0}, {VK_DOWN, 4}};
    for (auto [vk, hot] : steps) {
        Press(vk);
        EXPECT_EQ(HotRows(kFrame, kCyan), Rows{hot}) << vk;
    }
    Log().Only({WM_ACTIVATE, WM_SETFOCUS, WM_COMMAND});
    Press(VK_RETURN);
    EXPECT_TRUE(SameTraffic(Log().Lines(),
                            {"owner WM_COMMAND 0x00000005 menu", "owner WM_ACTIVATE 1 menu", "owner WM_SETFOCUS menu"}))
        << "as a tap's pick";
    EXPECT_FALSE(IsWindow(popup));
}

TEST_F(MenuKeys, PopupFromThePenStartsColdAndEscapeCloses)
{
    Fill(1);
    ASSERT_EQ(menu_.TrackMenu(owner, 100, 50), 1);
    Log().Name(menu_.GetSafeHwnd(), "menu");
    wincore::Pump();
    HWND popup = menu_.GetSafeHwnd();
    EXPECT_EQ(HotRows(kFrame, kCyan), Rows{});
    Log().Only({WM_COMMAND});
    Press(VK_RETURN);
    EXPECT_TRUE(IsWindowVisible(popup)) << "nothing hot, nothing picked";
    Press(VK_UP);
    EXPECT_EQ(HotRows(kFrame, kCyan), Rows{4}) << "Up from none: the last";
    Press(VK_ESCAPE);
    EXPECT_FALSE(IsWindow(popup));
    EXPECT_TRUE(Log().Lines().empty());
}

TEST_F(MenuKeys, PanelFromF10TakesTheKeysPicksStaysOpenAndEscapeSlidesItShut)
{
    Fill(0);
    OpenFromKey(VK_F10);
    HWND panel = menu_.GetSafeHwnd();
    EXPECT_EQ(GetFocus(), panel);
    wincore::Advance(12 * kTick);  // opened
    const int height = WindowRect(panel).bottom - WindowRect(panel).top;
    EXPECT_EQ(HotRows(kMargin, kGold), Rows{0});
    for (auto [vk, hot] : {std::pair{UINT(VK_UP), 4}, {UINT(VK_UP), 0}, {UINT(VK_DOWN), 4}}) {
        Press(vk);
        EXPECT_EQ(HotRows(kMargin, kGold), Rows{hot}) << vk;
    }
    Log().Only({WM_COMMAND});
    Press(VK_RETURN);
    EXPECT_TRUE(SameTraffic(Commands(), {"owner WM_COMMAND 0x00000005 menu"}));
    EXPECT_TRUE(IsWindowVisible(panel)) << "a pick keeps the panel open";
    Press(VK_ESCAPE);
    std::vector<int> heights;
    for (int tick = 0; tick < 8 && IsWindow(panel); tick++) {
        heights.push_back(WindowRect(panel).bottom - WindowRect(panel).top);
        wincore::Advance(kTick);
    }
    EXPECT_FALSE(IsWindow(panel));
    EXPECT_EQ(GetFocus(), owner) << "the focus goes back to the owner";
    ASSERT_GE(heights.size(), 3u) << "the closing runs its frames";
    EXPECT_EQ(heights.front(), height);
    EXPECT_TRUE(std::is_sorted(heights.rbegin(), heights.rend()));
    if (!kExactTicks) return;
    for (size_t tick = 1; tick < heights.size(); tick++)
        EXPECT_EQ(heights[tick], height - int(tick) * (height / 5)) << "a fifth per tick";
}

TEST_F(MenuKeys, PanelFromThePenStartsColdAndLeavesTheFocus)
{
    Fill(0);
    Log().Only({WM_SETFOCUS, WM_KILLFOCUS});
    ASSERT_EQ(menu_.TrackMenu(owner, 100, 50), 1);
    wincore::Advance(12 * kTick);
    EXPECT_EQ(HotRows(kMargin, kGold), Rows{});
    EXPECT_EQ(GetFocus(), owner);
    EXPECT_TRUE(Log().Lines().empty());
}

}  // namespace
