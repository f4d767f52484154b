// Drawing the items: icon, text in the item's bold font and colour, and the hot look.
#include "menu/MenuItem.h"
#include "kit/NinePart.h"
#include "menu/MenuPictures.h"

namespace menu {

namespace {

RECT Grown(RECT rect, int by)
{
    InflateRect(&rect, by, by);
    return rect;
}

COLORREF Complement(COLORREF color)
{
    return 0x00FFFFFF - (color & 0x00FFFFFF);
}

// The icon (2i, or 2i + 1 when hot) if the list has it; returns where the text starts.
LONG DrawIcon(HDC dc, const tagMW_Item& item, int index, HIMAGELIST images)
{
    if (!images) return item.rcDraw.left;
    int image = 2 * index + (item.bHot ? 1 : 0);
    if (image < ImageList_GetImageCount(images))
        ImageList_Draw(images, image, dc, item.rcDraw.left, item.rcDraw.top, ILD_TRANSPARENT);
    return item.rcDraw.left + IconWidth(images);
}

void DrawItem(HDC dc, const tagMW_Item& item, int index, HIMAGELIST images, HotLook look, HBITMAP highlight)
{
    if (item.uFlags & MWF_HIDDEN) return;
    COLORREF color = item.bGrayed || item.bDisabled ? kGreyText : item.crColor;
    if (item.bHot && look == HotLook::Highlight) {
        kit::DrawBitmapGrid(dc, highlight, Grown(item.rcDraw, kHotMargin), kHighlightCorner, true);
        color = Complement(item.crColor);
    }
    SetTextColor(dc, color);
    RECT text = item.rcDraw;
    text.left = DrawIcon(dc, item, index, images);
    if ((item.uFlags & MWF_TEXT) && item.szText[0])
        DrawTextW(dc, item.szText, -1, &text, DT_SINGLELINE | DT_VCENTER);
    if (item.bHot && look == HotLook::Inverted) {
        RECT hot = Grown(item.rcDraw, kHotMargin);
        InvertRect(dc, &hot);
    }
}

}  // namespace

void DrawMenuItems(HDC dc, const std::vector<tagMW_Item>& items, HIMAGELIST images, HotLook look,
                   HBITMAP highlight)
{
    for (size_t i = 0; i < items.size(); i++) {
        const tagMW_Item& item = items[i];
        HFONT font = CreateMenuFont(item.nSize, kItemFontBold);
        HGDIOBJ oldFont = SelectObject(dc, font);
        COLORREF oldColor = GetTextColor(dc);
        DrawItem(dc, item, int(i), images, look, highlight);
        SetTextColor(dc, oldColor);
        SelectObject(dc, oldFont);
        DeleteObject(font);
    }
}

}  // namespace menu
