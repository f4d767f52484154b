// The list's side of the scroll physics: it hands the scroller its rows' position and what the
// last paint recorded, and carries out each step on its window: position, flags, timers, repaint.
#include "listview/ListViewDefs.h"

using namespace listview;

DWORD NavListViewEx::lastMoveTick() const
{
    return scroller->LastMoveTick();
}

POINT NavListViewEx::lastMovePoint() const
{
    return scroller->LastMovePoint();
}

int NavListViewEx::lastMoveDelta() const
{
    return scroller->Velocity();
}

ListMetrics NavListViewEx::ScrollMetrics() const
{
    return {{topIndex, firstRowBottom}, itemHeight, int(items.size()), lastIndex, bottomGap};
}

void NavListViewEx::Follow(const ScrollStep& step)
{
    if (step.moveTo) {
        topIndex = step.moveTo->topIndex;
        firstRowBottom = step.moveTo->firstRowBottom;
    }
    if (step.rowsMoving) pageBarRedraw = 0;
    if (step.indicator >= 0) scrollBarVisible = step.indicator;
    if (hWnd) {
        for (UINT timer : {kTimerSpringTop, kTimerSpringBottom, kTimerFling})
            if (step.stopTimers & (1u << timer)) KillTimer(hWnd, timer);
        if (step.startTimer) SetTimer(hWnd, step.startTimer, step.period, nullptr);
    }
    if (step.repaint) Refresh();
}

int NavListViewEx::SetAnimationInterval(int ms)
{
    if (!kit::IsAnimationInterval(ms)) return 0;
    Follow(scroller->SetInterval(ms));
    return 1;
}

void NavListViewEx::KillMovementTimers()
{
    Follow(scroller->Stop());
}

void NavListViewEx::OnScrollList(int delta, int)
{
    Follow(ListScroller::Scroll(delta, ScrollMetrics()));
}

void NavListViewEx::OnTimer(UINT id)
{
    Follow(scroller->Tick(id, ScrollMetrics(), GetTickCount()));
}

void NavListViewEx::OnHScrollItem(int row)
{
    if (row < 0 || row >= int(visibleRows.size())) return;
    const tagNAVLVITME& item = visibleRows[row];
    if (item.text1[0] && hWnd) InvalidateRect(hWnd, &item.rect, FALSE);
}
