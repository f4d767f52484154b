// Scroll physics: drag steps, the glide after a flick and the spring-back at both ends, each
// a state of the list driven by its own 50 ms timer.
#include <algorithm>
#include <cstdlib>

#include "listview/ListViewDefs.h"

using namespace listview;

namespace {

// Remainder with the sign of the dividend, as integer division truncates toward zero.
int TruncatingModulo(int value, int divisor)
{
    return value % divisor;
}

}  // namespace

void NavListViewEx::OnScrollList(int delta, int)
{
    pageBarRedraw = 0;
    if (delta == 0) return;
    const int previous = firstRowBottom;
    const int count = int(items.size());
    int b = previous + delta;
    firstRowBottom = b;
    bool top = false;
    if (b > itemHeight || (previous == 0 && delta > 0)) {
        // A row enters at the top.
        if (topIndex > 0) {
            topIndex--;
            top = topIndex == 0;
        }
    } else if (delta < 0) {
        // A stored 0 is drawn as a wholly visible top row, so an upward step starts from there.
        if (previous == 0) b += itemHeight;
        // The top row has left at the top, also when its bottom edge lands exactly on the top
        // edge: left in place, the 0 would draw it whole again and a slow drag could not pass it.
        if (b <= 0 && topIndex < count - 1) topIndex++;
    }
    if (topIndex != 0 || top) b = TruncatingModulo(b, itemHeight);
    firstRowBottom = b;
    if (firstRowBottom < 0) firstRowBottom += itemHeight;
    Refresh();
}

void NavListViewEx::OnTimer(UINT id)
{
    switch (id) {
    case kTimerSpringTop: SpringTopStep(); break;
    case kTimerSpringBottom: SpringBottomStep(); break;
    case kTimerFling: GlideStep(); break;
    default: break;
    }
}

void NavListViewEx::SpringTopStep()
{
    pageBarRedraw = 0;
    if (firstRowBottom <= itemHeight) {
        scrollBarVisible = 0;
        KillTimer(hWnd, kTimerSpringTop);
        Refresh();
        return;
    }
    scrollBarVisible = 1;
    int step = firstRowBottom > 2 * itemHeight ? firstRowBottom / 3 : firstRowBottom / 6;
    firstRowBottom = std::max(firstRowBottom - step, itemHeight);
    Refresh();
}

void NavListViewEx::SpringBottomStep()
{
    pageBarRedraw = 0;
    if ((firstRowBottom == itemHeight && topIndex == 0) || bottomGap == 0) {
        scrollBarVisible = 0;
        KillTimer(hWnd, kTimerSpringBottom);
        Refresh();
        return;
    }
    scrollBarVisible = 1;
    int step = bottomGap > itemHeight ? bottomGap / 2 : (bottomGap >= 3 ? bottomGap / 3 : bottomGap);
    if (step < 0) {
        // Rows move up (a cut-off last row): the same movement as a drag step.
        OnScrollList(step, 1);
        return;
    }
    const int previous = firstRowBottom;
    int b = previous + step;
    bool top = false;
    if (b > itemHeight || (previous == 0 && step > 0)) {
        if (topIndex > 0) {
            topIndex--;
            top = topIndex == 0;
        }
    }
    if (topIndex != 0 || top)
        firstRowBottom = TruncatingModulo(b, itemHeight);
    else
        firstRowBottom = std::min(b, itemHeight);
    Refresh();
}

void NavListViewEx::GlideStep()
{
    pageBarRedraw = 0;
    const int count = int(items.size());
    if (firstRowBottom > itemHeight && topIndex == 0) {
        KillTimer(hWnd, kTimerFling);
        SetTimer(hWnd, kTimerSpringTop, kTimerPeriod, nullptr);
        return;
    }
    if (bottomGap > 0 && lastIndex == count - 1) {
        KillTimer(hWnd, kTimerFling);
        SetTimer(hWnd, kTimerSpringBottom, kTimerPeriod, nullptr);
        return;
    }
    int v = lastMoveDelta;
    if (std::abs(v) <= kStopSpeed) {
        scrollBarVisible = 0;
        KillTimer(hWnd, kTimerFling);
        Refresh();
        return;
    }
    scrollBarVisible = 1;
    OnScrollList(v, 1);
    int d = v / 10;
    if (d == 0) d = v > 0 ? 1 : -1;
    lastMoveDelta = v - d;
}

void NavListViewEx::OnHScrollItem(int row)
{
    if (row < 0 || row >= int(visibleRows.size())) return;
    const tagNAVLVITME& item = visibleRows[row];
    if (item.text1[0] && hWnd) InvalidateRect(hWnd, &item.rect, FALSE);
}
