// The pop-up menu: layout, clamping into the owner, item states and icons, closing.
#include "menu/menu_fixture.h"

namespace {

constexpr int kEmpty = 45;  // px, an empty pop-up's width and height

class PopupTest : public MenuTest {
protected:
    void SetUp() override
    {
        MenuTest::SetUp();
        ASSERT_EQ(menu_.Create(1), 1);
    }
    HWND Show(LONG x, LONG y, HWND at = nullptr)
    {
        EXPECT_EQ(menu_.TrackMenu(at ? at : owner, x, y), 1);
        Log().Name(menu_.GetSafeHwnd(), "menu");
        wincore::Pump();
        return menu_.GetSafeHwnd();
    }
    RECT Row(int index) { return MenuTest::Row(index, kFrame); }
    void TapRow(int index) { Tap(Row(index).left + 4, Row(index).top + line_ / 2); }
};

}  // namespace

TEST_F(PopupTest, ItemsStackWidenAndAreMeasured)
{
    const SIZE wide = MenuTextSize(TEXT("Search address")), ideograph = MenuTextSize(TEXT("\u4E00"));
    UINT id = 1;
    for (const WCHAR* text : {TEXT("Go"), TEXT("Settings"), TEXT("Search address"), TEXT(""), (const WCHAR*)nullptr})
        menu_.AppendItem(kPlain, id++, text, kWhiteText, nullptr);
    const RECT rect = WindowRect(Show(10, 10));
    EXPECT_EQ(Str(rect), Str({10, 10, 10 + kEmpty + wide.cx, 10 + kEmpty + 3 * (line_ + kGap) + 2 * (ideograph.cy + kGap)}))
        << "empty texts: one ideograph";
    // Every earlier item reaches the new content width: a tap right of a short text chooses it.
    Tap(rect.left + kFrame + wide.cx - 3, Row(1).top + 3);
    EXPECT_TRUE(SameTraffic(Commands(), {"owner WM_COMMAND 0x00000002 menu"}));

    // Texts keep 50 characters, and a surrogate pair across the limit goes as a whole.
    menu_.Destroy();
    ASSERT_EQ(menu_.Create(1), 1);
    menu_.AppendItem(kPlain, 1, (WString(49, TEXT('W')) + TEXT("\U0001F600") + WString(900, TEXT('W'))).c_str(), kWhiteText, nullptr);
    EXPECT_EQ(WindowRect(Show(0, 10)).right, kEmpty + MenuTextSize(WString(49, TEXT('W'))).cx);
}

TEST_F(PopupTest, MenuIsClampedIntoTheOwner)
{
    // Shown once its handler is in place: a window is erased as it is shown.
    HWND narrow = CreateRecorder("narrow", WS_POPUP, 100, 60, 120, 300);
    SetHandler(narrow, [](HWND, UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
        if (message != WM_ERASEBKGND) return false;
        Fill(reinterpret_cast<HDC>(wParam), {0, 0, 120, 300}, RGB(0, 160, 0));
        return result = 1, true;
    });
    ShowWindow(narrow, SW_SHOW);
    menu_.AppendItem(kPlain, 1, TEXT("Search address"), kWhiteText, nullptr);
    const int width = kEmpty + MenuTextSize(TEXT("Search address")).cx, height = kEmpty + line_ + kGap;
    EXPECT_EQ(ScreenRect(Show(790, 470)), Str({800 - width, 480 - height, 800, 480})) << "moved into the owner";
    EXPECT_EQ(ScreenRect(Show(-20, -5)), Str({-20, -5, width - 20, height - 5})) << "beyond the left edge and fitting";
    // Wider than its owner, the menu starts at the owner's left edge, over the pixels it covers there.
    EXPECT_EQ(ScreenRect(Show(50, 40, narrow)), Str({100, 100, 100 + width, 100 + height}));
    EXPECT_EQ(CountPixels({100, 100, 101, 101}, RGB(0, 160, 0), 2), 1);
}

// Disabled and grayed items are grey and inert; hidden ones show nothing yet can be chosen.
TEST_F(PopupTest, DisabledGrayedAndHiddenItems)
{
    const UINT flags[] = {kPlain, MWF_DISABLED | MWF_TEXT, kPlain | MWF_GRAYED, kPlain | MWF_HIDDEN, MWF_ENABLED};
    for (UINT id = 1; id <= 5; id++) menu_.AppendItem(flags[id - 1], id, TEXT("Item"), kRedText, nullptr);
    HWND shown = Show(100, 50);
    const COLORREF red = RGB(255, 0, 0), grey = RGB(192, 192, 192);
    EXPECT_GT(CountPixels(Row(0), red, kNear), 20);
    for (int row : {1, 2}) EXPECT_GT(CountPixels(Row(row), grey, 12), 20) << row << " is drawn grey";
    for (int row : {1, 2, 3, 4}) EXPECT_EQ(CountPixels(Row(row), red, kNear), 0) << row;
    TapRow(1);
    TapRow(2);
    EXPECT_TRUE(IsWindowVisible(shown));
    TapRow(3);
    EXPECT_TRUE(SameTraffic(Commands(), {"owner WM_COMMAND 0x00000004 menu"}));
}

// Item i shows image 2i (2i + 1 while hot); past the list it keeps their room. A hovering mouse moves the hot item.
TEST_F(PopupTest, IconsComeInPairsPerItem)
{
    menu_.SetParam(MOVE_DOWN, 0, nullptr, TileList(2, 16), 1);
    for (UINT id = 1; id <= 2; id++) menu_.AppendItem(kPlain, id, TEXT("Item"), kRedText, nullptr);
    const RECT menu = WindowRect(Show(100, 50)), first = Row(0), second = Row(1);
    const RECT room = {second.left, second.top, second.left + 16 + 2, second.bottom};
    for (COLORREF colour : {TileColour(0), TileColour(1), RGB(255, 0, 0)})
        EXPECT_EQ(CountPixels(room, colour, 30), 0) << "item 1 has no image";
    const COLORREF cyan = RGB(0, 255, 255);  // the red text inverted
    for (RECT row : {first, second}) {
        SendMessageW(menu_.GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(row.left + 4 - menu.left, row.top + 4 - menu.top));
        wincore::Pump();
    }
    EXPECT_EQ(CountPixels(first, cyan, kNear), 0);
    EXPECT_GT(CountPixels(second, cyan, kNear), 0);
}

// A pick, or a tap outside through the focus it takes, closes; WM_CLOSE or a frame tap does not.
TEST_F(PopupTest, PickOrTapOutsideCloses)
{
    const int gdi = wincore::LiveGdiObjects();
    menu_.AppendItem(kPlain, 0x12345, TEXT("Home"), kWhiteText, nullptr);
    Log().Only({WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS, WM_COMMAND, WM_LBUTTONDOWN});
    RecordParams(false);  // the menu window has no name in the log before it exists
    HWND first = Show(200, 100);
    EXPECT_TRUE(SameTraffic(Log().Lines(), {"owner WM_ACTIVATE", "owner WM_KILLFOCUS"}));
    HWND second = Show(300, 200);
    EXPECT_EQ(WindowRect(second).bottom, 200 + kEmpty + line_ + kGap) << "tracking again keeps the items";
    SendMessageW(second, WM_CLOSE, 0, 0);
    Tap(303, 203);
    RecordParams(true);
    Log().Clear();
    TapRow(0);
    EXPECT_TRUE(SameTraffic(Log().Lines(),
                            {"owner WM_COMMAND 0x00002345 menu", "owner WM_ACTIVATE 1 menu", "owner WM_SETFOCUS menu"}));
    EXPECT_FALSE(IsWindow(first) || IsWindow(second));
    EXPECT_EQ(wincore::LiveGdiObjects(), gdi);
    HWND third = Show(200, 100);
    EXPECT_EQ(ScreenRect(third), Str({200, 100, 200 + kEmpty, 100 + kEmpty})) << "closing reset the items";
    Log().Clear();
    Tap(600, 400);
    EXPECT_TRUE(SameTraffic(Log().Lines(), {"owner WM_ACTIVATE 2 menu", "owner WM_SETFOCUS menu",
                                            "owner WM_LBUTTONDOWN 0x00000001 0x01900258"}));
    EXPECT_FALSE(IsWindow(third));
}
