// Setters and getters. None of them repaints unless said so, and none needs the window.
#include "listview/ListViewDefs.h"

int NavListViewEx::EnablePageScroll(int enable)
{
    pageScrollEnabled = pageBarRedraw = enable;
    return 1;
}

int NavListViewEx::SetPageScroll(int enable0, int enable1, int enable2)
{
    const int enables[3] = {enable0, enable1, enable2};
    for (int i = 0; i < 3; i++) pageButtons[i].state = enables[i] ? 0 : 2;
    return 1;
}

int NavListViewEx::SetImageList(HIMAGELIST himl, SIZE* size, NAVLV_DRAWCALLBACK callback)
{
    if (himl) {
        hImageList = himl;
        int cx = 0, cy = 0;
        if (!ImageList_GetIconSize(himl, &cx, &cy)) return 0;
        imageSize = {cx, cy};
        return 1;
    }
    if (!callback) return 0;
    if (size) imageSize = *size;
    pfnDrawCallback = callback;
    return 1;
}

void NavListViewEx::SetFont(HFONT f1, HFONT f2, HFONT f3)
{
    hFonts[0] = f1;
    hFonts[1] = f2;
    hFonts[2] = f3;
}

void NavListViewEx::SetBkColor(COLORREF color, int fromParent)
{
    bkColor = color;
    solidBk = fromParent == 0 ? 1 : 0;
}

void NavListViewEx::SetItemHeigh(int height)
{
    // Rows of no height cannot be laid out (painting and scrolling divide by it): refused.
    if (height < 1) return;
    itemHeight = firstRowBottom = height;
}

void NavListViewEx::SetItemBorder(int on)
{
    itemBorder = on;
}

void NavListViewEx::SetRightArrow(int on)
{
    rightArrow = on;
}

int NavListViewEx::GetItemHeigh()
{
    return itemHeight;
}

int NavListViewEx::GetPageSize()
{
    return pageSize;
}

HWND NavListViewEx::GetSafeHand()
{
    return hWnd;
}

int NavListViewEx::GetCurrentSel()
{
    return curSel;
}

int NavListViewEx::IsWindowVisible()
{
    return ::IsWindowVisible(hWnd);
}

void NavListViewEx::EnableSelectHScroll(int on)
{
    selectHScroll = on;
}

void NavListViewEx::EnableHScrollBar(int on)
{
    scrollBarEnabled = on;
}

void NavListViewEx::SetScrollBarVisible(int on)
{
    scrollBarVisible = on;
}

int NavListViewEx::SetRespondHwnd(HWND h)
{
    if (!::IsWindow(h)) return 0;
    hRespond = h;
    return 1;
}

void NavListViewEx::Refresh()
{
    if (hWnd) InvalidateRect(hWnd, nullptr, FALSE);
}

// The screen copy happens inside the paint; these entry points are kept for subclasses.
void NavListViewEx::BitBltToScreen() {}

void NavListViewEx::DrawBufferDC() {}
