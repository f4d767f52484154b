// The item store: adding, inserting, reading, changing and deleting rows, check marks,
// colours and the selection.
#include <algorithm>

#include "listview/ListViewDefs.h"

using namespace listview;

namespace {

bool IsPosition(int index, size_t count)
{
    return index >= 0 && size_t(index) < count;
}

}  // namespace

int NavListViewEx::AddItem(const WCHAR* text, int image, int redraw)
{
    return InsertItem(text, int(items.size()), image, redraw) ? 1 : 0;
}

int NavListViewEx::InsertItem(const WCHAR* text, int index, int image, int redraw)
{
    tagNAVLVITME item = {};
    item.hWnd = hWnd;
    item.state = NAVLV_STATE_NEW;
    item.image = image;
    item.height = itemHeight;
    item.index = index;
    for (COLORREF& color : item.textColor) color = textColor;
    if (text) kit::StoreText(item.text1, NAVLV_TEXT_LEN, text);

    bool inside = !items.empty() && IsPosition(index, items.size());
    if (inside) {
        items.insert(items.begin() + index, item);
        if (curSel != -1 && index <= curSel) curSel++;
    } else {
        items.push_back(item);
    }
    if (redraw) Refresh();
    return 1;
}

int NavListViewEx::SetItemText(int index, const WCHAR* text1, const WCHAR* text2, const WCHAR* text3)
{
    if (!IsPosition(index, items.size())) return 0;
    tagNAVLVITME& item = items[index];
    if (text1) kit::StoreText(item.text1, NAVLV_TEXT_LEN, text1);
    if (text2) kit::StoreText(item.text2, NAVLV_TEXT_LEN, text2);
    if (text3) kit::StoreText(item.text3, NAVLV_TEXT_LEN, text3);
    return 1;
}

int NavListViewEx::GetItemTextLen(int index)
{
    if (!IsPosition(index, items.size())) return -1;
    return kit::FieldLength(items[index].text1, NAVLV_TEXT_LEN);
}

int NavListViewEx::GetItemText(int index, WCHAR* buffer, int len)
{
    if (!IsPosition(index, items.size()) || !buffer || len < 0) return -1;
    const WCHAR* text = items[index].text1;
    int length = kit::FieldLength(text, NAVLV_TEXT_LEN);
    if (length > len) {
        std::copy(text, text + len, buffer);
    } else {
        std::copy(text, text + length, buffer);
        buffer[length] = 0;
    }
    return 1;
}

int NavListViewEx::GetItemCount()
{
    return int(items.size());
}

int NavListViewEx::DeleteItem(int index)
{
    if (!IsPosition(index, items.size())) return 0;
    bool deletedSelected = index == curSel;
    items.erase(items.begin() + index);
    int count = int(items.size());
    for (int i = index; i < count; i++) items[i].index--;
    // The selection keeps naming the item it named; when that item is gone it passes to the one
    // now in its place (or the new last one), which takes the selected mark with it.
    if (curSel > index) curSel--;
    if (curSel >= count) curSel = std::max(count - 1, -1);
    if (deletedSelected && curSel >= 0) items[curSel].state |= NAVLV_STATE_SELECTED;
    if (lastIndex >= count && topIndex > 0) topIndex--;
    if (hWnd) Follow(scroller->Start(kTimerSpringBottom, GetTickCount()));
    Refresh();
    return 1;
}

int NavListViewEx::DeleteAllItems()
{
    items.clear();
    visibleRows.clear();
    firstRowBottom = itemHeight;
    curSel = -1;
    pressedItem = -1;
    topIndex = 0;
    Refresh();
    return 1;
}

int NavListViewEx::GetCheckStatus(int index)
{
    if (!IsPosition(index, items.size())) return 0;
    return (items[index].state & NAVLV_STATE_CHECKED) ? 1 : 0;
}

void NavListViewEx::SetCheckStatus(int index, int check)
{
    if (IsPosition(index, items.size())) {
        if (check)
            items[index].state |= NAVLV_STATE_CHECKED;
        else
            items[index].state &= ~NAVLV_STATE_CHECKED;
    }
    Refresh();
}

void NavListViewEx::SetCheckAll()
{
    for (tagNAVLVITME& item : items) item.state |= NAVLV_STATE_CHECKED;
    Refresh();
}

void NavListViewEx::SetCheckOff()
{
    for (tagNAVLVITME& item : items) item.state &= ~NAVLV_STATE_CHECKED;
    Refresh();
}

void NavListViewEx::SetCheckBox(int on)
{
    checkBoxMode = on;
    SetCheckOff();
    Refresh();
}

void NavListViewEx::SetItemTextColor(int index, COLORREF color1, COLORREF color2, COLORREF color3)
{
    if (!IsPosition(index, items.size())) return;
    items[index].textColor[0] = color1;
    items[index].textColor[1] = color2;
    items[index].textColor[2] = color3;
}

void NavListViewEx::SetColor(COLORREF text, COLORREF selBk)
{
    textColor = text;
    selBkColor = selBk;
    for (tagNAVLVITME& item : items)
        for (COLORREF& color : item.textColor) color = text;
}

int NavListViewEx::SetCurrentSel(int index)
{
    int count = int(items.size());
    if (index >= count) return 0;
    if (IsPosition(curSel, items.size())) items[curSel].state &= ~NAVLV_STATE_SELECTED;
    if (index >= 0) {
        curSel = index;
        items[index].state |= NAVLV_STATE_SELECTED;
    } else {
        curSel = -1;
    }
    Refresh();
    return 1;
}
