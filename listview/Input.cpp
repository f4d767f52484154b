// Pen input: pressing rows and page-scroll buttons, dragging, taps, double taps, and the
// notifications they send to the owner and the respond window.
#include "listview/ListViewDefs.h"

using namespace listview;

namespace {

// A row drawn cut off by the bottom of the rows area is hit only where it shows: the part under
// the page-scroll bar or the drop-down frame belongs to them.
bool RowHit(const tagNAVLVITME& row, const RECT& rowsArea, POINT point)
{
    return PtInRect(&rowsArea, point) && PtInRect(&row.rect, point);
}

}  // namespace

void NavListViewEx::Notify(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND respond = hRespond;
    SendMessageW(hParent, message, wParam, lParam);
    if (respond) SendMessageW(respond, message, wParam, lParam);
}

// Presses the first enabled page-scroll button under the point; returns 1 when one was hit.
int NavListViewEx::PressPageButton(int x, int y)
{
    if (!pageScrollEnabled) return 0;
    POINT point = {x, y};
    for (PageScrollButton& button : pageButtons) {
        if (button.state == 2) continue;
        if (PtInRect(&button.rc, point)) {
            button.state = 1;
            pageBarRedraw = 1;
            Refresh();
            return 1;
        }
        button.state = 0;
    }
    return 0;
}

void NavListViewEx::OnLButtonDown(int x, int y)
{
    Follow(scroller->Press({x, y}, GetTickCount()));
    penDownPoint = penPoint = {x, y};
    if (PressPageButton(x, y)) return;
    POINT point = {x, y};
    for (const tagNAVLVITME& row : visibleRows) {
        if (RowHit(row, listRect, point)) {
            pressedItem = row.index;
            break;
        }
    }
}

void NavListViewEx::OnMouseMove(int x, int y)
{
    if (pageScrollEnabled) {
        // A drag that starts on the page-scroll bar never moves the rows.
        for (const PageScrollButton& button : pageButtons) {
            if (button.state == 1 || (penDown && PtInRect(&button.rc, penDownPoint))) {
                KillMovementTimers();
                return;
            }
        }
    }
    penPoint = {x, y};
    Follow(scroller->Move(penPoint, GetTickCount(), ScrollMetrics(), GetSystemMetrics(SM_CYSCREEN)));
}

void NavListViewEx::OnLButtonUp(int x, int y)
{
    Follow(scroller->Release(GetTickCount(), ScrollMetrics()));
    if (pageScrollEnabled) {
        for (int i = 0; i < 3; i++) {
            if (pageButtons[i].state != 1) continue;
            pageButtons[i].state = 0;
            pageBarRedraw = 1;
            Refresh();
            // The receiver of the notification may delete this list: nothing touches it afterwards.
            POINT point = {x, y};
            if (PtInRect(&pageButtons[i].rc, point))
                Notify(WM_NAVLV_PAGESCROLL, MAKEWPARAM(GetDlgCtrlID(hWnd), i), reinterpret_cast<LPARAM>(hWnd));
            return;
        }
    }

    // The receiver of the notification may delete this list: nothing touches it afterwards.
    POINT down = penDownPoint, up = {x, y};
    const int pressed = pressedItem;
    pressedItem = -1;
    for (const tagNAVLVITME& row : visibleRows) {
        if (RowHit(row, listRect, down) && RowHit(row, listRect, up) && row.index == pressed) {
            tagNAVLVITME tapped = row;  // the handler may change visibleRows
            SelectRow(tapped, NAVLV_NOTIFY_TAP);
            return;
        }
    }
}

void NavListViewEx::OnLButtonDBClick(int x, int y)
{
    Follow(scroller->Press({x, y}, GetTickCount()));
    penDownPoint = penPoint = {x, y};
    if (PressPageButton(x, y)) return;
    pressedItem = -1;
    POINT point = {x, y};
    for (const tagNAVLVITME& row : visibleRows) {
        if (RowHit(row, listRect, point)) {
            tagNAVLVITME tapped = row;
            SelectRow(tapped, NAVLV_NOTIFY_DBLTAP);
            return;
        }
    }
}

void NavListViewEx::SelectRow(const tagNAVLVITME& row, int code)
{
    // A row drawn before the store shrank no longer names an item.
    if (row.index < 0 || row.index >= int(items.size())) return;
    if (curSel >= 0 && curSel < int(items.size())) items[curSel].state &= ~NAVLV_STATE_SELECTED;
    curSel = row.index;
    items[curSel].state |= NAVLV_STATE_SELECTED;
    if (checkBoxMode) items[curSel].state ^= NAVLV_STATE_CHECKED;
    Refresh();
    tagNAVLVITME record = row;
    record.notifyCode = code;
    Notify(WM_NAVLV_ITEMNOTIFY, WPARAM(GetDlgCtrlID(hWnd)), reinterpret_cast<LPARAM>(&record));
}
