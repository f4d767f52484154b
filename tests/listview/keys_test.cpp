// Keys on a list with the focus: the selection moved and scrolled wholly into view, what the owner
// is told, Enter and Space in check-box mode, the page keys on the page-scroll bar, the focus cue.
#include <functional>
#include <iterator>

#include "listview/list_fixture.h"

namespace {

class ListKeys : public ListTest {
protected:
    // "code index top" of the notices since the last call, e.g. "-4 9 210"; "" for none. With
    // `shown`, also whether the last one's row is drawn selected.
    std::string Told(bool shown = false)
    {
        std::string told;
        for (const tagNAVLVITME& note : notes)
            told += (told.empty() ? "" : ", ") + std::to_string(note.notifyCode) + " " + std::to_string(note.index) +
                    " " + std::to_string(note.rect.top);
        if (shown && !notes.empty() && wincore::ScreenPixel(2, notes.back().rect.top + 30) != kSelected)
            told += " not shown";
        notes.clear();
        return told;
    }
};

void Press(UINT vk)
{
    wincore::KeyDown(vk);
    wincore::KeyUp(vk);
}

TEST_F(ListKeys, MovesSelectARowAndScrollItWhollyIntoViewTheLeastWay)
{
    NavListViewEx list;
    Open(list, RECT{0, 0, 400, 270}, 10);  // 4 whole rows of 60 and 30 px of a fifth: a page is 4 rows
    list.SetRespondHwnd(CreateRecorder("respond", WS_POPUP, 0, 0, 10, 10));
    SetFocus(list.GetSafeHand());
    Log().Only({WM_NAVLV_ITEMNOTIFY});
    const std::pair<UINT, const char*> steps[] = {
        {VK_UP, "-4 9 210"},  // no selection: Up starts at the last row, flush with the bottom
        {VK_DOWN, ""},        // the ends stop, untold
        {VK_PRIOR, "-4 5 0"}, {VK_UP, "-4 4 0"}, {VK_NEXT, "-4 8 210"}, {VK_HOME, "-4 0 0"},
        {VK_UP, ""},          {VK_DOWN, "-4 1 60"}, {VK_END, "-4 9 210"}, {VK_NEXT, ""},
    };
    for (auto [vk, told] : steps) {
        Press(vk);
        EXPECT_EQ(Told(true), told) << vk;
    }
    // Each notice goes to the owner, then to the respond window, as a tap's does.
    ASSERT_EQ(Log().Lines().size(), 14u);
    EXPECT_EQ(Log().Lines()[0].substr(0, 5) + Log().Lines()[1].substr(0, 7), "ownerrespond");
    EXPECT_EQ(Separators(), "30 90 150 210 ") << "the last row's bottom is the window's";
}

TEST_F(ListKeys, AKeyStopsAGlideOrASpringBackWhereTheSelectedRowShows)
{
    const struct {
        int downY, moveY, liftAfter;  // a drag from downY to moveY, lifted after liftAfter ms
        UINT vk;
        const char* told;
    } cases[] = {
        {200, 140, 0, VK_DOWN, "-4 0 0"},    // a slow flick up glides for a while
        {50, 200, 100, VK_END, "-4 49 240"},  // pulled down past the start, springing back
    };
    for (const auto& c : cases) {
        NavListViewEx list;
        Open(list, RECT{0, 0, 400, 300}, 50);
        SetFocus(list.GetSafeHand());
        wincore::PenDown(200, c.downY);
        wincore::PenMove(200, (c.downY + c.moveY) / 2);
        wincore::PenMove(200, c.moveY);
        wincore::Advance(c.liftAfter);
        wincore::PenUp(200, c.moveY);
        wincore::Advance(100);
        Press(c.vk);
        EXPECT_EQ(Separators(), "60 120 180 240 ") << c.told << ": at rest (the cue covers the top line)";
        wincore::Advance(1000);
        EXPECT_EQ(Told(true), c.told) << "nothing moves on";
    }
}

TEST_F(ListKeys, EnterTapsTheSelectedRowAndSpaceTogglesItsMark)
{
    NavListViewEx list;
    list.SetCheckBox(1);
    Open(list, RECT{0, 0, 400, 300}, 10);
    SetFocus(list.GetSafeHand());
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[] { Press(VK_RETURN), Press(VK_SPACE); }, " | "},  // no selection: nothing to tap or mark
        {[] { Press(VK_DOWN); }, "-4 0 0 | "},
        {[] { Press(VK_RETURN); }, "-2 0 0 | 0"},
        {[] { Press(VK_SPACE); }, " | "},
        {[] { Press(VK_SPACE); }, " | 0"},
        {[] { Press(VK_RETURN); }, "-2 0 0 | "},
        {[&] { list.SetCurrentSel(9), Press(VK_RETURN); }, "-2 9 240 | 9"},  // off screen: scrolled in, then told
        {[&] { list.SetCheckBox(0), Press(VK_SPACE), Press(VK_RETURN); }, "-2 9 240 | "},  // no check boxes: no Space
    };
    for (size_t i = 0; i < std::size(steps); i++) {
        steps[i].first();
        std::string marks;
        for (int row = 0; row < list.GetItemCount(); row++)
            if (list.GetCheckStatus(row)) marks += std::to_string(row);
        EXPECT_EQ(Told() + " | " + marks, steps[i].second) << "step " << i;
    }
}

TEST_F(ListKeys, PageKeysAlsoPressTheEnabledPageScrollButtons)
{
    NavListViewEx list;
    list.EnablePageScroll(1);
    list.SetPageScroll(0, 1, 1);  // the left button (back) disabled
    Open(list, RECT{0, 0, 480, 272}, 10);  // 228 px of rows over the bar: pages of 3
    std::vector<std::string> told;
    onMessage = [&](UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NAVLV_PAGESCROLL) told.push_back("page " + std::to_string(HIWORD(wParam)));
        if (message != WM_NAVLV_ITEMNOTIFY) return;
        const auto* item = reinterpret_cast<const tagNAVLVITME*>(lParam);
        told.push_back("item " + std::to_string(item->index) + " " + std::to_string(item->rect.top));
    };
    SetFocus(list.GetSafeHand());
    const std::pair<UINT, std::vector<std::string>> steps[] = {
        {VK_NEXT, {"page 1", "item 0 0"}}, {VK_NEXT, {"page 1", "item 3 168"}}, {VK_END, {"item 9 168"}},
        {VK_NEXT, {"page 1"}},  // the last row stays; the host still pages
        {VK_PRIOR, {"item 6 0"}},
    };
    for (const auto& [vk, expected] : steps) {
        told.clear();
        Press(vk);
        EXPECT_TRUE(SameTraffic(told, expected)) << vk;
    }
}

TEST_F(ListKeys, TheFocusCueFollowsKeysAndGoesAtThePen)
{
    NavListViewEx list;
    Open(list, RECT{0, 0, 400, 300}, 10);
    const HWND wnd = list.GetSafeHand();
    const std::pair<std::function<void()>, int> steps[] = {
        {[&] { SetFocus(wnd); }, 0},           // the focus alone shows nothing
        {[] { Press(VK_DOWN); }, 800},
        {[] { Tap(200, 150); }, 0},            // the pen takes it away
        {[] { Press(VK_SHIFT); }, 800},        // any key brings it back
        {[&] { SetFocus(nullptr); }, 0},
        {[&] { SetFocus(wnd); }, 800},
    };
    for (size_t i = 0; i < std::size(steps); i++) {
        steps[i].first();
        wincore::Pump();
        // Pixels of the cue's colour along the rows area's top, two pixels deep.
        EXPECT_EQ(CountPixels({0, 0, 400, 2}, GetSysColor(COLOR_HIGHLIGHT)), steps[i].second) << "step " << i;
    }
}

// An empty list takes every key quietly; a dialog hands a list the arrows, characters and Enter.
TEST_F(ListKeys, AnEmptyListTakesEveryKeyQuietlyAndTheDialogHandsItArrowsCharactersAndEnter)
{
    NavListViewEx list;
    Open(list, RECT{0, 0, 400, 300}, 0);
    SetFocus(list.GetSafeHand());
    for (UINT vk : {VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT, VK_HOME, VK_END, VK_RETURN, VK_SPACE}) Press(vk);
    EXPECT_EQ(Told(), "");
    EXPECT_EQ(list.GetCurrentSel(), -1);
    for (auto [vk, more] : {std::pair<UINT, LRESULT>{VK_RETURN, DLGC_WANTMESSAGE}, {VK_ESCAPE, 0}, {VK_TAB, 0}}) {
        MSG msg = {list.GetSafeHand(), WM_KEYDOWN, vk, 0, 0, {0, 0}};
        EXPECT_EQ(SendMessageW(list.GetSafeHand(), WM_GETDLGCODE, vk, reinterpret_cast<LPARAM>(&msg)),
                  DLGC_WANTARROWS | DLGC_WANTCHARS | more) << vk;
    }
}

}  // namespace
