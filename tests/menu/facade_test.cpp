// The facade: Create rules and bad input to either look, the menu font, copies.
#include <climits>

#include "menu/menu_fixture.h"

// An empty facade fails harmlessly; Create takes 0 or 1 once; unknown flag bits leave an item enabled,
// all flags gray it; stale owners and DCs fail.
TEST_F(MenuTest, CreateRulesAndBadInputAreHarmless)
{
    HWND gone = CreateRecorder("gone", WS_POPUP, 0, 0, 10, 10);
    DestroyWindow(gone);
    HDC screen = GetDC(nullptr);
    CRKNaviMenu empty;
    EXPECT_EQ(empty.Create(2) + empty.TrackMenu(owner, 10, 10) + empty.SetBorder(1, 2, 3, 4) +
                  empty.SetCloseBt(RECT{0, 0, 9, 9}, 1) + empty.AppendItem(kPlain, 1, TEXT("Home"), kWhiteText, nullptr) +
                  empty.OnPaintEx(screen) + empty.CopyDCFromWnd(owner) + empty.CopyDCFrom(screen, 1),
              0);
    empty.SetParam(MOVE_DOWN, 1, nullptr, nullptr, 0);
    for (unsigned int type : {0u, 1u}) {
        CRKNaviMenu menu;
        ASSERT_EQ(menu.Create(type), 1);
        EXPECT_EQ(menu.Create(1 - type), 0) << "a second Create keeps the first implementation";
        EXPECT_EQ(menu.SetAnimationInterval(20), 1) << "either look takes a period";
        menu.AppendItem(kPlain | 0xFFFFFF00, 0xFFFFFFFF, TEXT("Home"), kWhiteText, nullptr);
        menu.AppendItem(0xFFFFFFFF, 2, TEXT("Home"), kWhiteText, nullptr);
        EXPECT_EQ(menu.OnPaintEx(screen) + menu.CopyDCFrom(screen, 1) + menu.CopyDCFromWnd(owner), 0) << "untracked";
        EXPECT_EQ(menu.TrackMenu(gone, 9, 9), 0);
        EXPECT_EQ(menu.SetBorder(10, 20, 30, 40), 1);
        ASSERT_EQ(menu.TrackMenu(owner, 100, 200), 1);
        EXPECT_EQ(menu.SetCloseBt(RECT{0, 0, 5, 5}, 1), 1) << "out of the way of the taps below";
        EXPECT_EQ(menu.OnPaintEx(nullptr) + menu.CopyDCFrom(HDC(0x777), 1) + menu.CopyDCFromWnd(nullptr), 0);
        EXPECT_EQ(menu.OnPaintEx(screen) + menu.CopyDCFrom(screen, 1) + menu.CopyDCFromWnd(owner), 3);
        wincore::Advance(3 * kTick);  // the panel shows after one; real timers need the slack
        const RECT shown = WindowRect(menu.GetSafeHwnd());
        const POINT first = type ? POINT{kFrame, kFrame} : POINT{40, 20};  // borders apply to the panel only
        const int line = line_ + kGap;
        EXPECT_EQ(shown.bottom - shown.top, 2 * line + (type ? 2 * kFrame + 1 : 40)) << type;
        Log().Name(menu.GetSafeHwnd(), "menu");
        Tap(shown.left + first.x + 2, shown.top + first.y + line + 2);
        Tap(shown.left + first.x + 2, shown.top + first.y + 2);
    }
    EXPECT_TRUE(SameTraffic(Commands(), std::vector<std::string>(2, "owner WM_COMMAND 0x0000ffff menu")));
    ReleaseDC(nullptr, screen);
}

// Height -size * 96 / 720 without overflow; weight 700 for any non-zero bold.
TEST_F(MenuTest, CreateMenuFontAt96Dpi)
{
    std::string seen;
    for (auto [size, bold] : {std::pair{150, 1}, {-150, 1}, {0, 0}, {75, 5}, {INT_MAX, 1}, {INT_MIN, 0}}) {
        LOGFONTW log = {};
        HFONT font = CreateMenuFont(size, bold);
        GetObjectW(font, sizeof log, &log);
        seen += std::to_string(log.lfHeight) + " " + std::to_string(log.lfWeight) + " " +
                std::to_string(log.lfCharSet) + " " + Utf8(log.lfFaceName) + ", ";
        DeleteObject(font);
    }
    EXPECT_EQ(seen, "-20 700 1 System, -20 700 1 System, 0 0 1 System, -10 700 1 System, -286331152 700 1 System, "
                    "-286331153 0 1 System, ");
}

// A copy has the items and settings but its own implementation, so nothing is released twice.
TEST_F(MenuTest, CopiesHoldTheirOwnMenu)
{
    CRKNaviMenu original;
    ASSERT_EQ(original.Create(0), 1);
    original.SetParam(MOVE_DOWN, 0, nullptr, nullptr, 1);
    original.AppendItem(kPlain, 7, TEXT("Home"), kWhiteText, nullptr);
    ASSERT_EQ(original.TrackMenu(owner, 10, 10), 1);
    CRKNaviMenu copy(original);
    copy = copy;
    ASSERT_EQ(copy.TrackMenu(owner, 300, 10), 1);
    wincore::Advance(kTick);
    original.Destroy();
    Log().Name(copy.GetSafeHwnd(), "copy");
    Tap(315, 20);
    EXPECT_TRUE(SameTraffic(Commands(), {"owner WM_COMMAND 0x00000007 copy"}));
}
