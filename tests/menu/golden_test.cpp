// Golden pictures over a map: the pop-up, and the panel on its skin, see-through and half open.
#include "menu/menu_fixture.h"
#include "support/golden.h"

namespace {

constexpr tagMW_FontStysle kInk = {RGB(32, 44, 60), 150};
constexpr int kAround = 24;  // px of map shown around a menu

void Road(HDC dc, int x0, int y0, int x1, int y1, int width, COLORREF color)
{
    HPEN pen = CreatePen(PS_SOLID, width, color);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
    SelectObject(dc, old);
    DeleteObject(pen);
}

// City blocks, two parks, a river and a main road.
void DrawMap(HDC dc)
{
    Fill(dc, {0, 0, 800, 480}, RGB(236, 232, 222));
    for (int x = 0; x < 800; x += 120)
        for (int y = 0; y < 480; y += 90) Fill(dc, {x + 14, y + 12, x + 106, y + 78}, RGB(226, 220, 208));
    Fill(dc, {254, 192, 346, 258}, RGB(190, 222, 170));
    Fill(dc, {614, 12, 706, 168}, RGB(190, 222, 170));
    Road(dc, -10, 350, 810, 250, 34, RGB(160, 200, 236));
    for (int x = 0; x < 800; x += 120) Road(dc, x, 0, x, 480, 10, RGB(255, 255, 255));
    for (int y = 0; y < 480; y += 90) Road(dc, 0, y, 800, y, 10, RGB(255, 255, 255));
    Road(dc, 0, 90, 800, 450, 16, RGB(214, 160, 80));
    Road(dc, 0, 90, 800, 450, 10, RGB(252, 214, 120));
}

enum class Pen { None, HoldOnSecond, TapSecond, OneMoreTick };

// SetParam's arguments unless the defaults stay; `first`: a point in the first item (the pen goes a row lower).
struct Look {
    const char* golden;
    unsigned int type;
    bool setParam;
    MOVE_DIR dir;
    int animate, opaque;
    RECT border;  // as SetBorder takes it
    tagMW_FontStysle style;
    POINT at, first;
    Pen pen;
};

const Look kLooks[] = {
    {"menu_popup", 1, true, MOVE_DOWN, 0, 1, {}, kInk, {230, 110}, {40, kFrame + 12}, Pen::HoldOnSecond},
    {"menu_slide_skin", 0, false, MOVE_UP, 0, 1, {6, 8, 8, 14}, kWhiteText, {520, 456}, {30, 24}, Pen::TapSecond},
    {"menu_slide_seethrough", 0, true, MOVE_DOWN, 0, 0, {14, 16, 16, 16}, kInk, {60, 40}, {}, Pen::None},
    {"menu_slide_half", 0, true, MOVE_UP, 1, 1, {6, 8, 8, 14}, kWhiteText, {300, 456}, {}, Pen::OneMoreTick},
};

using MenuLook = MenuTest;

TEST_F(MenuLook, OverAMap)
{
    PaintBackdrop(DrawMap);
    Log().Clear();
    const int line = MenuTextSize(TEXT("Navigate home")).cy + kGap;
    for (const Look& look : kLooks) {
        CRKNaviMenu menu;
        ASSERT_EQ(menu.Create(look.type), 1);
        if (look.setParam) menu.SetParam(look.dir, look.animate, nullptr, look.type ? TileList(8, 24) : nullptr, look.opaque);
        menu.SetBorder(look.border.left, look.border.top, look.border.right, look.border.bottom);  // the pop-up has none
        for (const WCHAR* text : {TEXT("Navigate home"), TEXT("Search address"), TEXT("Favourites"), TEXT("地图设置")})
            menu.AppendItem(kPlain, 1, text, look.style, nullptr);
        ASSERT_EQ(menu.TrackMenu(owner, look.at.x, look.at.y), 1);
        wincore::Advance(kTick);
        RECT rect = WindowRect(menu.GetSafeHwnd());
        const POINT second = {rect.left + look.first.x, rect.top + look.first.y + line};
        if (look.pen == Pen::HoldOnSecond) wincore::PenDown(second.x, second.y);
        if (look.pen == Pen::TapSecond) Tap(second.x, second.y);
        if (look.pen == Pen::OneMoreTick) wincore::Advance(kTick), rect.top = look.at.y - (10 + 6 + 8 + 4 * line);
        InflateRect(&rect, kAround, kAround);
        const RECT screen = {0, 0, 800, 480};
        IntersectRect(&rect, &rect, &screen);
        EXPECT_TRUE(MatchesGolden(look.golden, rect, 8, 60));
        if (look.pen == Pen::HoldOnSecond) wincore::PenMove(700, 400), wincore::PenUp(700, 400);
        EXPECT_EQ(Commands().size(), look.pen == Pen::TapSecond ? 1u : 0u) << look.golden;
        Log().Clear();
    }
}

}  // namespace
