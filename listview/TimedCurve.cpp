// Following the ticked curve in time: the ticks passed are taken with the ticked step itself, and
// the way to the next tick's position is the share of its step that the time since has covered.
#include "listview/TimedCurve.h"

#include <algorithm>
#include <cstdint>

#include "kit/TickedMotion.h"

namespace listview {

namespace {

int64_t Shown(RowPosition at, int h)
{
    return at.firstRowBottom == 0 ? h : at.firstRowBottom;
}

// What the list's paint records for the rows at `to`, in the rows area that `from` was painted in:
// the last row drawn (a row cut off at the bottom included) and the gap under the last whole one.
ListMetrics LaidOut(const ListMetrics& from, RowPosition to)
{
    const int h = from.itemHeight, top = to.topIndex;
    const int64_t bottom =
        from.bottomGap + Shown(from.position, h) + int64_t(h) * (from.lastIndex - from.position.topIndex);
    const int64_t y = Shown(to, h);
    ListMetrics laid = from;
    laid.position = to;
    if (y > bottom || y < 0 || top >= from.count) {
        laid.lastIndex = top;
        laid.bottomGap = int(bottom - y);
        return laid;
    }
    const int64_t more = std::min<int64_t>(from.count - 1 - top, (bottom - y) / h);
    const int64_t end = y + more * h;
    const bool whole = more == from.count - 1 - top || end == bottom;
    laid.lastIndex = int(top + more + (whole ? 0 : 1));
    laid.bottomGap = int(bottom - (whole ? end : end + h));
    return laid;
}

}  // namespace

TimedCurve::TimedCurve(const TickedScroller& ticks, UINT timer, DWORD start) : ticks(ticks), timer(timer), start(start)
{
}

void TimedCurve::Restart(DWORD now)
{
    start = now;
    done = 0;
    seeded = false;
}

ScrollStep TimedCurve::Frame(DWORD now, const ListMetrics& list)
{
    const bool movedUnder = list.position.topIndex != shown.topIndex ||
                            list.position.firstRowBottom != shown.firstRowBottom || list.count != at.count ||
                            list.itemHeight != at.itemHeight;
    if (seeded && movedUnder) Restart(now);
    if (!seeded) {
        at = list;
        shown = list.position;
        seeded = true;
    }
    const DWORD elapsed = now - start, tick = kScrollTuning.tickMs;
    const UINT before = timer;
    while (timer && done < elapsed / tick) StepTick();

    ScrollStep step;
    step.rowsMoving = true;
    step.repaint = true;
    if (!timer) {
        step.moveTo = shown = at.position;
        step.indicator = 0;
        step.stopTimers = TimerBit(before);
        return step;
    }
    if (timer != before) {
        step.stopTimers = TimerBit(before);
        step.startTimer = timer;
    }
    step.indicator = 1;
    step.moveTo = shown = Between(elapsed - done * tick);
    return step;
}

void TimedCurve::StepTick()
{
    const ScrollStep step = ticks.Tick(timer, at);
    if (step.moveTo) at = LaidOut(at, *step.moveTo);
    if (step.startTimer)
        timer = step.startTimer;
    else if (step.stopTimers & TimerBit(timer))
        timer = 0;
    done++;
}

// The share of the next tick's step that `sinceTick` ms of its 50 have covered, rounded towards
// the last tick's position so that the rows never pass the next one's.
RowPosition TimedCurve::Between(DWORD sinceTick) const
{
    TickedScroller next = ticks;
    const ScrollStep step = next.Tick(timer, at);
    const DWORD tick = kScrollTuning.tickMs;
    const int part = kit::Between(0, step.moved, std::min(sinceTick, tick), tick);
    if (part == 0) return at.position;
    const bool toRest = timer == kTimerSpringBottom && part > 0;
    return MoveRows(at.position, part, at.itemHeight, at.count, toRest);
}

}  // namespace listview
