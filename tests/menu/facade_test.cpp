// The facade: Create rules, an empty facade, copies, the menu font, and hosts that end or reopen
// the menu while they handle its pick.
#include <climits>
#include <memory>

#include "menu/menu_fixture.h"

TEST_F(MenuTest, FacadeCreateRules)
{
    CRKNaviMenu menu;
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(menu.Create(2), 0);
    EXPECT_EQ(menu.Create(UINT_MAX), 0);
    // Empty: everything is harmless and fails.
    EXPECT_EQ(menu.TrackMenu(owner_, 10, 10), 0);
    EXPECT_EQ(menu.SetCloseBt(RECT{0, 0, 9, 9}, 1) + menu.SetBorder(1, 2, 3, 4) + menu.OnPaintEx(screen) +
                  menu.AppendItem(kPlain, 1, TEXT("Home"), kWhiteText, nullptr) + menu.CopyDCFromWnd(owner_) +
                  menu.CopyDCFrom(screen, 1),
              0);
    menu.SetParam(MOVE_DOWN, 1, nullptr, nullptr, 0);
    menu.Destroy();
    menu.Destroy();
    ReleaseDC(nullptr, screen);

    ASSERT_EQ(menu.Create(0), 1);
    EXPECT_EQ(menu.Create(1), 0) << "a second Create keeps the first implementation";
    ASSERT_EQ(menu.TrackMenu(owner_, 10, 100), 1);
    EXPECT_TRUE(GetWindowLongPtrW(menu.GetSafeHwnd(), GWL_STYLE) & WS_CHILD) << "0 is the sliding panel";
    menu.Destroy();
    EXPECT_EQ(menu.GetSafeHwnd(), nullptr);
    ASSERT_EQ(menu.Create(1), 1);
    ASSERT_EQ(menu.TrackMenu(owner_, 10, 100), 1);
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
        EXPECT_EQ(log.lfHeight, c.height) << "size " << c.size;
        EXPECT_EQ(log.lfWeight, c.weight) << "size " << c.size;
        EXPECT_EQ(log.lfCharSet, DEFAULT_CHARSET);
        EXPECT_EQ(WString(log.lfFaceName), TEXT("System"));
        DeleteObject(font);
    }
}

// A copy has the items and settings but its own implementation: no window, no GDI object, nothing
// released twice.
TEST_F(MenuTest, CopiesHoldTheirOwnMenu)
{
    CRKNaviMenu empty, original;
    EXPECT_EQ(CRKNaviMenu(empty).TrackMenu(owner_, 0, 0), 0);
    ASSERT_EQ(original.Create(0), 1);
    original.SetParam(MOVE_DOWN, 0, nullptr, nullptr, 1);
    original.AppendItem(kPlain, 7, TEXT("Home"), kWhiteText, nullptr);
    ASSERT_EQ(original.TrackMenu(owner_, 10, 10), 1);

    CRKNaviMenu copy(original), assigned;
    EXPECT_EQ(copy.GetSafeHwnd(), nullptr);
    ASSERT_EQ(assigned.Create(1), 1);
    assigned = copy;
    assigned = assigned;
    ASSERT_EQ(copy.TrackMenu(owner_, 300, 10), 1);
    ASSERT_EQ(assigned.TrackMenu(owner_, 500, 10), 1);
    wincore::Advance(kTick);
    HWND first = original.GetSafeHwnd(), second = copy.GetSafeHwnd();
    EXPECT_EQ(WindowRect(second), (RECT{300, 10, 320 + MenuTextSize(TEXT("Home")).cx, WindowRect(first).bottom}));

    original.Destroy();
    EXPECT_FALSE(IsWindow(first));
    Log().Name(second, "copy");
    Tap(315, 20);
    EXPECT_TRUE(SameTraffic(Commands(), {"owner WM_COMMAND 0x00000007 copy"}));
}

TEST_F(MenuTest, DestroyingTheFacadeWhileShownSendsNothing)
{
    const int gdi = wincore::LiveGdiObjects();
    for (unsigned int type : {0u, 1u}) {
        {
            CRKNaviMenu menu;
            ASSERT_EQ(menu.Create(type), 1);
            menu.AppendItem(kPlain, 1, TEXT("Home"), kWhiteText, nullptr);
            ASSERT_EQ(menu.TrackMenu(owner_, 100, 200), 1);
            wincore::Advance(kTick);
        }
        EXPECT_EQ(wincore::LiveWindows(), 1) << "type " << type;
        EXPECT_EQ(wincore::LiveGdiObjects(), gdi) << "type " << type;
    }
    EXPECT_TRUE(Commands().empty());
}

// The host answers the pick by deleting the facade, by calling Destroy, or by opening the menu
// again: the menu must not touch what the host freed or replaced (the sanitizer build watches).
TEST_F(MenuTest, HostMayEndOrReopenTheMenuWhileHandlingThePick)
{
    enum Reaction { DeleteFacade, CallDestroy, Reopen };
    for (unsigned int type : {0u, 1u}) {
        for (Reaction reaction : {DeleteFacade, CallDestroy, Reopen}) {
            auto menu = std::make_unique<CRKNaviMenu>();
            ASSERT_EQ(menu->Create(type), 1);
            menu->SetParam(MOVE_DOWN, 0, nullptr, nullptr, 1);
            menu->AppendItem(kPlain, 1, TEXT("Home"), kWhiteText, nullptr);
            ASSERT_EQ(menu->TrackMenu(owner_, 100, 100), 1);
            wincore::Advance(kTick);
            SetHandler(owner_, [&](HWND, UINT message, WPARAM, LPARAM, LRESULT&) {
                if (message == WM_COMMAND && reaction == DeleteFacade) menu.reset();
                if (message == WM_COMMAND && reaction == CallDestroy) menu->Destroy();
                if (message == WM_COMMAND && reaction == Reopen) menu->TrackMenu(owner_, 400, 100);
                return false;
            });
            Tap(130, 130);
            ClearHandlers();
            EXPECT_EQ(Commands().size(), 1u);
            Log().Clear();
            EXPECT_EQ(wincore::LiveWindows(), reaction == Reopen ? 2 : 1) << "type " << type;
            if (reaction == Reopen) {
                EXPECT_EQ(WindowRect(menu->GetSafeHwnd()).left, 400);
            }
        }
    }
}
