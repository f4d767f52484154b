// Keys: the selection moved by rows, pages or to either end and scrolled into view, Enter as a tap
// on the selected row, Space for its check mark, and the keys the list asks its dialog for.
#include <algorithm>
#include <climits>
#include <cstdint>

#include "kit/FocusCue.h"
#include "listview/ListViewDefs.h"

using namespace listview;

namespace {

int ClampToInt(int64_t value)
{
    return int(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

}  // namespace

LRESULT NavListViewEx::OnGetDlgCode(const MSG* msg)
{
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
    return code;
}

void NavListViewEx::OnKeyDown(UINT vk)
{
    StopForKey();
    const int last = int(items.size()) - 1;
    // Without a selection the keys that go down start at the first row, those that go up at the last.
    const bool none = curSel < 0 || curSel > last;
    switch (vk) {
    case VK_UP: KeySelect(none ? last : curSel - 1); break;
    case VK_DOWN: KeySelect(none ? 0 : curSel + 1); break;
    case VK_PRIOR: KeyPage(-1); break;
    case VK_NEXT: KeyPage(1); break;
    case VK_HOME: KeySelect(0); break;
    case VK_END: KeySelect(last); break;
    case VK_RETURN: KeyTap(); break;
    case VK_SPACE: KeyToggleCheck(); break;
    default: break;
    }
}

// A glide or spring-back ends where it is, and the rows settle in their resting range.
void NavListViewEx::StopForKey()
{
    const ScrollState state = scroller->State();
    if (state == ScrollState::Idle || state == ScrollState::Pressed || state == ScrollState::Dragging) return;
    ScrollStep step = scroller->Stop();
    step.indicator = 0;
    step.repaint = true;
    Follow(step);
    const bool selected = curSel >= 0 && curSel < int(items.size());
    ScrollIntoView(selected ? curSel : topIndex);
}

// Moves the rows the least that shows row `index` whole (its top first, in an area shorter than a
// row), within the range the spring-backs bring them back to; a drag step carries the move.
void NavListViewEx::ScrollIntoView(int index)
{
    if (!hWnd || items.empty()) return;
    LayOutAreas();
    const int64_t h = itemHeight, area = listRect.bottom - listRect.top;  // px
    if (area <= 0) return;
    // px the rows are scrolled up from their resting place; the rows area starts at the client's top.
    const int shown = TopRowBottom(firstRowBottom, itemHeight);
    const int64_t offset = int64_t(topIndex) * h + h - shown;
    const int64_t top = int64_t(index) * h;
    int64_t target = offset;
    if (top + h > target + area) target = top + h - area;
    if (top < target) target = top;
    target = std::clamp<int64_t>(target, 0, std::max<int64_t>(int64_t(items.size()) * h - area, 0));
    if (target != offset) Follow(ListScroller::Scroll(ClampToInt(offset - target), ScrollMetrics()));
}

// The item as its row lies now, in client coordinates, as a painted row records it.
tagNAVLVITME NavListViewEx::RowRecord(int index)
{
    tagNAVLVITME record = items[index];
    const int shown = TopRowBottom(firstRowBottom, itemHeight);
    const int bottom = ClampToInt(shown + int64_t(index - topIndex) * itemHeight);
    record.index = index;
    record.rect = {listRect.left, bottom - itemHeight, listRect.right, bottom};
    return record;
}

void NavListViewEx::KeySelect(int index)
{
    if (items.empty()) return;
    index = std::clamp(index, 0, int(items.size()) - 1);
    ScrollIntoView(index);
    if (index == curSel) return;
    SetCurrentSel(index);
    tagNAVLVITME record = RowRecord(index);
    record.notifyCode = NAVLV_NOTIFY_KEYSELECT;
    // The receiver of the notification may delete this list: nothing touches it afterwards.
    Notify(WM_NAVLV_ITEMNOTIFY, WPARAM(GetDlgCtrlID(hWnd)), reinterpret_cast<LPARAM>(&record));
}

// A page is the rows that fit whole. With the page-scroll bar shown, the key first does what its
// enabled button does, so that a host paging on the bar pages on the keys; the selection then
// moves a page and comes into view from where the host's paging left the rows.
void NavListViewEx::KeyPage(int direction)
{
    const int button = direction > 0 ? 1 : 0;
    if (pageScrollEnabled && pageButtons[button].state != 2) {
        // The receiver may delete this list.
        const HWND wnd = hWnd;
        Notify(WM_NAVLV_PAGESCROLL, MAKEWPARAM(GetDlgCtrlID(hWnd), button), reinterpret_cast<LPARAM>(hWnd));
        if (!::IsWindow(wnd)) return;
    }
    LayOutAreas();
    const int rows = std::max(int(listRect.bottom - listRect.top) / itemHeight, 1);
    const int last = int(items.size()) - 1;
    const bool none = curSel < 0 || curSel > last;
    KeySelect(none ? (direction > 0 ? 0 : last) : curSel + direction * rows);
}

void NavListViewEx::KeyTap()
{
    if (curSel < 0 || curSel >= int(items.size())) return;
    ScrollIntoView(curSel);
    SelectRow(RowRecord(curSel), NAVLV_NOTIFY_TAP);
}

void NavListViewEx::KeyToggleCheck()
{
    if (!checkBoxMode || curSel < 0 || curSel >= int(items.size())) return;
    ScrollIntoView(curSel);
    items[curSel].state ^= NAVLV_STATE_CHECKED;
    Refresh();
}
