// The menu item record and the item layout, hot tracking, hit testing and drawing that the pop-up
// and the sliding panel share.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "RKNaviMenu.h"

namespace menu {

constexpr int kItemTextLength = 50;  // characters kept of an item's text
constexpr int kItemGap = 5;          // px between stacked items
constexpr int kIconGap = 2;          // px between an icon and its text
constexpr int kHotMargin = 2;        // px the hot look reaches beyond an item
constexpr int kItemFontBold = 1;     // every menu text is bold
constexpr COLORREF kGreyText = 0x00C0C0C0;

}  // namespace menu

struct tagMW_Item {
    WORD wID = 0;
    WCHAR szText[menu::kItemTextLength + 1] = {};
    int bHot = 0;
    int bGrayed = 0;
    int bDisabled = 0;
    RECT rcDraw = {0, 0, 0, 0};  // icon and text, menu client coordinates
    RECT rcHit = {0, 0, 0, 0};   // where a tap chooses the item
    HBITMAP hBitmap = nullptr;   // the host's, kept and never drawn
    UINT uFlags = MWF_ENABLED | MWF_TEXT;
    COLORREF crColor = 0x00FFFFFF;
    int nSize = 150;
};

namespace menu {

// The fields of a menu that the item layout reads and grows.
struct MenuLayout {
    HWND window;
    HIMAGELIST images;
    RECT& rcMenu;
    RECT& rcContent;
    std::vector<tagMW_Item>& items;
};

// Appends one item below the others and grows the menu and content rectangles to fit it; every
// earlier item is brought to the new content width. Returns 1.
int AppendMenuItem(const MenuLayout& layout, UINT flags, UINT id, const WCHAR* text, tagMW_FontStysle style,
                   HBITMAP bitmap);

// Width an item's icon takes, gap included; 0 without an image list.
int IconWidth(HIMAGELIST images);

// Makes the item under the pen hot and the others cold (disabled items keep their state).
void TrackHot(std::vector<tagMW_Item>& items, POINT pen);

// The first item that a tap at `pen` chooses, or null.
const tagMW_Item* ItemToChoose(const std::vector<tagMW_Item>& items, POINT pen);

// How a hot item stands out: inverted (pop-up) or on the gold highlight (sliding panel).
enum class HotLook { Inverted, Highlight };

// Draws every item: its icon (2i, or 2i + 1 when hot), its text, its hot look.
void DrawMenuItems(HDC dc, const std::vector<tagMW_Item>& items, HIMAGELIST images, HotLook look,
                   HBITMAP highlight);

// The pen position that a pen message carries.
inline POINT PenPoint(LPARAM lParam)
{
    return POINT{LONG(LOWORD(lParam)), LONG(HIWORD(lParam))};
}

}  // namespace menu
