// How far each drag step, glide tick and spring-back tick moves the rows, and which of the
// list's timers run afterwards.
#include "listview/TickedScroller.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>

namespace listview {

namespace {

constexpr UINT kAllTimers = TimerBit(kTimerSpringTop) | TimerBit(kTimerSpringBottom) | TimerBit(kTimerFling);

bool PulledDown(const ListMetrics& list)
{
    return list.position.firstRowBottom > list.itemHeight && list.position.topIndex == 0;
}

bool PulledUp(const ListMetrics& list)
{
    return list.bottomGap > 0 && list.lastIndex == list.count - 1;
}

int ClampToInt(int64_t value)
{
    return int(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

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
    if (offset < 0) return {0, stopAtRest ? h : ClampToInt(h - offset)};
    const int64_t row = offset / h;
    if (row > last) {
        const int64_t shown = h - (offset - int64_t(last) * h);  // zero or less: above the rows area
        return {last, int((shown % h + h) % h)};
    }
    // Aligned rows store 0 below the top row, as the single-row step does; at the top, the rest.
    const int within = int(offset % h);
    return {int(row), row > 0 ? (h - within) % h : h - within};
}

// Moves the rows by `delta`, at most one row. Downward, a row enters at the top once the top row's
// bottom passes the row height; at the start of the list the rows are pulled down instead (or,
// with `stopAtRest`, stop at their place). Upward, the top row leaves once its bottom reaches the
// top edge, but the last row stays on.
RowPosition MoveWithinRow(RowPosition from, int delta, int h, int count, bool stopAtRest)
{
    const int previous = from.firstRowBottom;
    int64_t b = int64_t(previous) + delta;
    int top = from.topIndex;
    bool enteredFirst = false;
    if (b > h || (previous == 0 && delta > 0)) {
        if (top > 0) {
            top--;
            enteredFirst = top == 0;
        }
    } else if (delta < 0) {
        // A stored 0 is drawn as a wholly visible top row, so an upward step starts from there.
        if (previous == 0) b += h;
        // Also when its bottom lands exactly on the top edge: left in place, the 0 would draw it
        // whole again and a slow drag could not pass it.
        if (b <= 0 && top < count - 1) top++;
    }
    if (top != 0 || enteredFirst)
        b %= h;  // the remainder keeps the sign of b
    else if (stopAtRest)
        b = std::min<int64_t>(b, h);
    if (b < 0) b += h;
    return {top, ClampToInt(b)};
}

}  // namespace

RowPosition MoveRows(RowPosition from, int delta, int h, int count, bool stopAtRest)
{
    // A step within one row loses what lies beyond it.
    if (delta > h || delta < -h) return MoveAcrossRows(from, delta, h, count, stopAtRest);
    return MoveWithinRow(from, delta, h, count, stopAtRest);
}

ScrollStep TickedScroller::Press(POINT point)
{
    lastMovePoint = point;
    ScrollStep step = Stop();
    state = ScrollState::Pressed;
    return step;
}

ScrollStep TickedScroller::Move(POINT point, DWORD now, const ListMetrics& list, int screenHeight)
{
    const int delta = point.y - lastMovePoint.y;
    // The step of a pen above the window is no step at all: taken for the speed, a lift right after
    // it would fling the rows tens of thousands of pixels the wrong way.
    if (delta > screenHeight) return Stop();
    velocity = delta;
    if (delta == 0) return Stop();
    lastMovePoint = point;
    lastMoveTick = now;
    ScrollStep step = Scroll(delta, list);
    step.indicator = 1;
    step.stopTimers = kAllTimers;
    state = ScrollState::Dragging;
    return step;
}

ScrollStep TickedScroller::Release(DWORD now, const ListMetrics& list)
{
    ScrollStep step;
    state = ScrollState::Idle;
    if (PulledDown(list)) {
        step.startTimer = kTimerSpringTop;
        state = ScrollState::SpringingTop;
    } else if (PulledUp(list)) {
        step.startTimer = kTimerSpringBottom;
        state = ScrollState::SpringingBottom;
    }
    if (int32_t(now - lastMoveTick) < kScrollTuning.flickWindowMs) {
        step.stopTimers = TimerBit(kTimerSpringTop) | TimerBit(kTimerSpringBottom);
        step.startTimer = kTimerFling;
        state = ScrollState::Gliding;
        return step;
    }
    step.indicator = 0;
    step.repaint = true;
    return step;
}

ScrollStep TickedScroller::Tick(UINT timer, const ListMetrics& list)
{
    switch (timer) {
    case kTimerSpringTop: return SpringTopStep(list);
    case kTimerSpringBottom: return SpringBottomStep(list);
    case kTimerFling: return GlideStep(list);
    default: return {};
    }
}

ScrollStep TickedScroller::Stop()
{
    if (state != ScrollState::Pressed && state != ScrollState::Dragging) state = ScrollState::Idle;
    ScrollStep step;
    step.stopTimers = kAllTimers;
    return step;
}

ScrollStep TickedScroller::Scroll(int delta, const ListMetrics& list)
{
    ScrollStep step;
    if (list.count == 0) return step;  // nothing to scroll: an empty list stays at rest
    step.rowsMoving = true;
    if (delta == 0) return step;
    step.moveTo = MoveRows(list.position, delta, list.itemHeight, list.count, false);
    step.moved = delta;
    step.repaint = true;
    return step;
}

ScrollStep TickedScroller::SpringTopStep(const ListMetrics& list)
{
    const int h = list.itemHeight, pull = list.position.firstRowBottom;
    if (pull <= h) return End(kTimerSpringTop);
    const bool farOut = pull > int64_t(kScrollTuning.topFarRows) * h;
    const int step = pull / (farOut ? kScrollTuning.topFarDivisor : kScrollTuning.topNearDivisor);
    ScrollStep next;
    next.moveTo = RowPosition{list.position.topIndex, std::max(pull - step, h)};
    next.moved = next.moveTo->firstRowBottom - pull;
    next.rowsMoving = true;
    next.indicator = 1;
    next.repaint = true;
    state = ScrollState::SpringingTop;
    return next;
}

ScrollStep TickedScroller::SpringBottomStep(const ListMetrics& list)
{
    const int h = list.itemHeight, gap = list.bottomGap;
    if ((list.position.firstRowBottom == h && list.position.topIndex == 0) || gap == 0)
        return End(kTimerSpringBottom);
    state = ScrollState::SpringingBottom;
    int step = gap;
    if (gap > int64_t(kScrollTuning.bottomFarRows) * h)
        step = gap / kScrollTuning.bottomFarDivisor;
    else if (gap >= kScrollTuning.bottomWholeGap)
        step = gap / kScrollTuning.bottomNearDivisor;
    ScrollStep next;
    if (step < 0) {
        // A cut-off last row (a deletion started this timer): the rows go up as a drag takes them.
        next = Scroll(step, list);
    } else {
        next.moveTo = MoveRows(list.position, step, h, list.count, true);
        next.moved = step;
        next.repaint = true;
    }
    next.rowsMoving = true;
    next.indicator = 1;
    return next;
}

ScrollStep TickedScroller::GlideStep(const ListMetrics& list)
{
    if (PulledDown(list)) return HandOver(kTimerSpringTop, ScrollState::SpringingTop);
    if (PulledUp(list)) return HandOver(kTimerSpringBottom, ScrollState::SpringingBottom);
    const int v = velocity;
    if (std::abs(v) <= kScrollTuning.stopSpeed) return End(kTimerFling);
    ScrollStep next = Scroll(v, list);
    next.rowsMoving = true;
    next.indicator = 1;
    int decay = v / kScrollTuning.glideDecayDivisor;
    if (decay == 0) decay = v > 0 ? 1 : -1;
    velocity = v - decay;
    state = ScrollState::Gliding;
    return next;
}

// The animation has come to rest: its timer stops and the indicator goes.
ScrollStep TickedScroller::End(UINT timer)
{
    ScrollStep step;
    step.rowsMoving = true;
    step.indicator = 0;
    step.stopTimers = TimerBit(timer);
    step.repaint = true;
    state = ScrollState::Idle;
    return step;
}

// A glide that has run past an end hands over to that end's spring-back.
ScrollStep TickedScroller::HandOver(UINT timer, ScrollState next)
{
    ScrollStep step;
    step.rowsMoving = true;
    step.stopTimers = TimerBit(kTimerFling);
    step.startTimer = timer;
    state = next;
    return step;
}

}  // namespace listview
