// The item store and the selection.
#include "kit/StoredText.h"
#include "vectorbox/VectorBoxDefs.h"

using namespace vectorbox;

int CNavVectorBox::InsertItem(const WCHAR* text, HBITMAP bitmap)
{
    tagNAVVBITEM item = {};
    kit::StoreText(item.szText, NAVVB_TEXT_LEN, text);
    item.hBitmap = bitmap;
    items.push_back(item);
    return 1;
}

int CNavVectorBox::SetCurSel(int index)
{
    if (index < 0 || index >= int(items.size())) return -1;
    curSel = index;
    if (::IsWindow(hWnd)) InvalidateRect(hWnd, nullptr, FALSE);
    return 1;
}

int CNavVectorBox::GetCurSel()
{
    return curSel;
}

// An empty box keeps 0, where a new box stands, so that it shows item 0 once it has items.
int CNavVectorBox::PreviousIndex(int index) const
{
    const int count = int(items.size());
    if (count == 0) return 0;
    return index > 0 ? index - 1 : count - 1;
}

int CNavVectorBox::NextIndex(int index) const
{
    const int count = int(items.size());
    if (count == 0) return 0;
    return unsigned(index) < unsigned(count - 1) ? index + 1 : 0;
}
