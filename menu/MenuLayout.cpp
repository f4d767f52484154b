// Items stacked from the top of the content area, each as high as its text and as wide as the
// content; the menu grows around them. Also the hot tracking and hit testing of the stack.
#include "menu/MenuItem.h"

#include "kit/StoredText.h"

namespace menu {

namespace {

tagMW_Item MakeItem(UINT flags, UINT id, const WCHAR* text, tagMW_FontStysle style, HBITMAP bitmap)
{
    tagMW_Item item;
    if (flags & MWF_ENABLED) item.bDisabled = 0;
    if (flags & MWF_DISABLED) item.bDisabled = 1;
    if (flags & MWF_GRAYED) item.bGrayed = item.bDisabled = 1;
    item.uFlags = flags;
    item.crColor = style.crColor;
    item.nSize = style.nSize;
    item.wID = LOWORD(id);
    if (flags & MWF_BITMAP) item.hBitmap = bitmap;
    kit::StoreText(item.szText, kItemTextLength, text);
    return item;
}

// The text's extent in the item's font; an empty text measures as one ideograph, so that it
// still takes a line's height.
SIZE MeasureItem(HWND window, const tagMW_Item& item)
{
    static const WCHAR kIdeograph[] = {0x4E00, 0};
    const WCHAR* text = item.szText[0] ? item.szText : kIdeograph;
    SIZE extent = {0, 0};
    HWND source = IsWindow(window) ? window : nullptr;
    HDC dc = GetDC(source);
    if (!dc) return extent;
    HFONT font = CreateMenuFont(item.nSize, kItemFontBold);
    HGDIOBJ old = SelectObject(dc, font);
    GetTextExtentExPointW(dc, text, lstrlenW(text), 0, nullptr, nullptr, &extent);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(source, dc);
    return extent;
}

void Widen(const MenuLayout& layout, int width)
{
    int growth = width - (layout.rcContent.right - layout.rcContent.left);
    if (growth <= 0) return;
    layout.rcMenu.right += growth;
    layout.rcContent.right = layout.rcContent.left + width;
}

void Place(const MenuLayout& layout, tagMW_Item& item, int height)
{
    const RECT& content = layout.rcContent;
    int top = layout.items.empty() ? content.top : layout.items.back().rcDraw.bottom + kItemGap;
    item.rcDraw = RECT{content.left, top, content.right, top + height};
    item.rcHit = item.rcDraw;
    for (tagMW_Item& earlier : layout.items) {
        earlier.rcDraw.right = content.right;
        earlier.rcHit = earlier.rcDraw;
    }
}

}  // namespace

int IconWidth(HIMAGELIST images)
{
    int cx = 0, cy = 0;
    if (!images || !ImageList_GetIconSize(images, &cx, &cy)) return 0;
    return cx + kIconGap;
}

int AppendMenuItem(const MenuLayout& layout, UINT flags, UINT id, const WCHAR* text, tagMW_FontStysle style,
                   HBITMAP bitmap)
{
    tagMW_Item item = MakeItem(flags, id, text, style, bitmap);
    SIZE extent = MeasureItem(layout.window, item);
    Widen(layout, IconWidth(layout.images) + extent.cx);
    if (extent.cy > 0) {
        layout.rcContent.bottom += extent.cy + kItemGap;
        layout.rcMenu.bottom += extent.cy + kItemGap;
    }
    Place(layout, item, extent.cy);
    layout.items.push_back(item);
    return 1;
}

void TrackHot(std::vector<tagMW_Item>& items, POINT pen)
{
    for (tagMW_Item& item : items) {
        if (item.bDisabled) continue;
        item.bHot = PtInRect(&item.rcHit, pen) ? 1 : 0;
    }
}

const tagMW_Item* ItemToChoose(const std::vector<tagMW_Item>& items, POINT pen)
{
    for (const tagMW_Item& item : items)
        if (!item.bDisabled && PtInRect(&item.rcHit, pen)) return &item;
    return nullptr;
}

}  // namespace menu
