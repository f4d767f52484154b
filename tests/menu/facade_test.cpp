// The facade: Create rules, an empty facade, copies, the menu font, and deletion while shown.
#include <climits>

#include "menu/menu_fixture.h"

TEST_F(MenuTest, FacadeCreateRules)
{
    CRKNaviMenu menu;
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(menu.Create(2), 0);
    EXPECT_EQ(menu.Create(UINT_MAX), 0);
    // Empty: everything is harmless and fails.
    EXPECT_EQ(menu.TrackMenu(owner, 10, 10), 0);
    EXPECT_EQ(menu.SetCloseBt(RECT{0, 0, 9, 9}, 1) + menu.SetBorder(1, 2, 3, 4) + menu.OnPaintEx(screen) +
                  menu.AppendItem(kPlain, 1, TEXT("Home"), kWhiteText, nullptr) + menu.CopyDCFromWnd(owner) +
                  menu.CopyDCFrom(screen, 1),
              0);
    menu.SetParam(MOVE_DOWN, 1, nullptr, nullptr, 0);
    menu.Destroy();
    menu.Destroy();
    ReleaseDC(nullptr, screen);

    ASSERT_EQ(menu.Create(0), 1);
    EXPECT_EQ(menu.Create(1), 0) << "a second Create keeps the first implementation";
    ASSERT_EQ(menu.TrackMenu(owner, 10, 100), 1);
    EXPECT_TRUE(GetWindowLongPtrW(menu.GetSafeHwnd(), GWL_STYLE) & WS_CHILD) << "0 is the sliding panel";
    menu.Destroy();
    EXPECT_EQ(menu.GetSafeHwnd(), nullptr);
    ASSERT_EQ(menu.Create(1), 1);
    ASSERT_EQ(menu.TrackMenu(owner, 10, 100), 1);
    EXPECT_TRUE(GetWindowLongPtrW(menu.GetSafeHwnd(), GWL_STYLE) & WS_POPUP) << "1 is the pop-up";
}

TEST_F(MenuTest, CreateMenuFontAt96Dpi)
{
    const struct {
        int size, bold;
        LONG height, weight;
    } cases[] = {{150, 1, -20, 700}, {-150, 1, -20, 700}, {0, 0, 0, 0}, {90, 0, -12, 0}, {75, 5, -10, 700},
                 {INT_MAX, 1, LONG(-(INT_MAX * 96LL / 720)), 700}, {INT_MIN, 0, LONG(INT_MIN * 96LL / 720), 0}};
    for (const auto& c : cases) {
        HFONT font = CreateMenuFont(c.size, c.bold);
        LOGFONTW log = {};
        ASSERT_EQ(GetObjectW(font, sizeof log, &log), int(sizeof log));
        const std::string seen = std::to_string(log.lfHeight) + " " + std::to_string(log.lfWeight) + " " +
                                 std::to_string(log.lfCharSet) + " " + Utf8(log.lfFaceName);
        EXPECT_EQ(seen, std::to_string(c.height) + " " + std::to_string(c.weight) + " 1 System") << "size " << c.size;
        DeleteObject(font);
    }
}

// A copy has the items and settings but its own implementation: no window, no GDI object, nothing
// released twice.
TEST_F(MenuTest, CopiesHoldTheirOwnMenu)
{
    CRKNaviMenu empty, original;
    EXPECT_EQ(CRKNaviMenu(empty).TrackMenu(owner, 0, 0), 0);
    ASSERT_EQ(original.Create(0), 1);
    original.SetParam(MOVE_DOWN, 0, nullptr, nullptr, 1);
    original.AppendItem(kPlain, 7, TEXT("Home"), kWhiteText, nullptr);
    ASSERT_EQ(original.TrackMenu(owner, 10, 10), 1);

    CRKNaviMenu copy(original), assigned;
    EXPECT_EQ(copy.GetSafeHwnd(), nullptr);
    ASSERT_EQ(assigned.Create(1), 1);
    assigned = copy;
    assigned = assigned;
    ASSERT_EQ(copy.TrackMenu(owner, 300, 10), 1);
    ASSERT_EQ(assigned.TrackMenu(owner, 500, 10), 1);
    wincore::Advance(kTick);
    HWND first = original.GetSafeHwnd(), second = copy.GetSafeHwnd();
    EXPECT_EQ(ScreenRect(second), Str({300, 10, 320 + MenuTextSize(TEXT("Home")).cx, WindowRect(first).bottom}));

    original.Destroy();
    EXPECT_FALSE(IsWindow(first));
    Log().Name(second, "copy");
    Tap(315, 20);
    EXPECT_TRUE(SameTraffic(Commands(), {"owner WM_COMMAND 0x00000007 copy"}));
}

TEST_F(MenuTest, DestroyingTheFacadeWhileShownSendsNothing)
{
    const int windows = wincore::LiveWindows(), gdi = wincore::LiveGdiObjects();
    for (unsigned int type : {0u, 1u}) {
        {
            CRKNaviMenu menu;
            ASSERT_EQ(menu.Create(type), 1);
            menu.AppendItem(kPlain, 1, TEXT("Home"), kWhiteText, nullptr);
            ASSERT_EQ(menu.TrackMenu(owner, 100, 200), 1);
            wincore::Advance(kTick);
        }
        EXPECT_EQ(wincore::LiveWindows(), windows) << "type " << type;
        EXPECT_EQ(wincore::LiveGdiObjects(), gdi) << "type " << type;
    }
    EXPECT_TRUE(Commands().empty());
}
