// Scroll physics: drag steps, the glide after a flick and the spring-back at both ends, each
// a state of the list driven by its own 50 ms timer.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>

#include "listview/ListViewDefs.h"

using namespace listview;

namespace {

// Remainder with the sign of the dividend, as integer division truncates toward zero.
int TruncatingModulo(int value, int divisor)
{
    return value % divisor;
}

struct RowPosition {
    int topIndex;
    int firstRowBottom;
};

// How far the rows are drawn moved up from their resting place: a stored 0 draws the top row
// whole, as itemHeight does. Negative while the list is pulled down at its start.
int64_t ScrollOffset(RowPosition at, int h)
{
    const int shown = at.firstRowBottom == 0 ? h : at.firstRowBottom;
    return int64_t(at.topIndex) * h + h - shown;
}

// Moves the rows by exactly `delta` across any number of rows. Past the start the rows are pulled
// down (or, with `stopAtRest`, stop at their resting place); past the end the top row stays the
// last one and wraps within its height, as a step within one row does there.
RowPosition MoveAcrossRows(RowPosition from, int delta, int h, int count, bool stopAtRest)
{
    const int last = std::max(count - 1, 0);
    const int64_t offset = ScrollOffset(from, h) - delta;
    if (offset < 0) return {0, stopAtRest ? h : int(std::min<int64_t>(h - offset, INT_MAX))};
    const int64_t row = offset / h;
    if (row > last) {
        const int64_t shown = h - (offset - int64_t(last) * h);  // zero or less: above the rows area
        return {last, int((shown % h + h) % h)};
    }
    // Aligned rows store 0 below the top row, as the single-row step does; at the top, the rest.
    const int within = int(offset % h);
    return {int(row), row > 0 ? (h - within) % h : h - within};
}

}  // namespace

void NavListViewEx::OnScrollList(int delta, int)
{
    const int count = int(items.size());
    if (count == 0) return;  // nothing to scroll: an empty list stays at rest
    pageBarRedraw = 0;
    if (delta == 0) return;
    if (delta > itemHeight || delta < -itemHeight) {
        // The single-row step below loses what lies beyond one row.
        const RowPosition to = MoveAcrossRows({topIndex, firstRowBottom}, delta, itemHeight, count, false);
        topIndex = to.topIndex;
        firstRowBottom = to.firstRowBottom;
        Refresh();
        return;
    }
    const int previous = firstRowBottom;
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
    if (step > itemHeight) {
        const RowPosition to = MoveAcrossRows({topIndex, firstRowBottom}, step, itemHeight, int(items.size()), true);
        topIndex = to.topIndex;
        firstRowBottom = to.firstRowBottom;
        Refresh();
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
