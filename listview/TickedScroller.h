// The list's scroll physics on 50 ms ticks: drag steps, the glide after a flick and the spring-back
// at either end. Pen samples come in with their times, ticks one at a time; each answer says where
// the rows go and what the list's window does next. The list keeps the rows' position (its hosts
// may move them) and what its last paint recorded, and hands both in. These ticks are the one
// source of the movements' curves, whatever timer period the list runs at (listview/Scroller.h).
#pragma once

#include <windows.h>

#include <optional>

namespace listview {

struct ScrollTuning {
    UINT tickMs = 50;            // ms between two steps of a glide or a spring-back
    int flickWindowMs = 50;      // ms: a lift sooner than this after the last scrolling move glides
    int stopSpeed = 5;           // px per tick: a glide that has slowed to this stops
    int glideDecayDivisor = 10;  // a glide loses this fraction of its speed per tick, at least 1 px
    int topFarRows = 2;          // rows: pulled down further than this, the rows spring back by
    int topFarDivisor = 3;       //   this fraction of the pull per tick,
    int topNearDivisor = 6;      //   and by this one nearer their place
    int bottomFarRows = 1;       // rows: a gap under the last row wider than this closes by
    int bottomFarDivisor = 2;    //   this fraction per tick,
    int bottomNearDivisor = 3;   //   a narrower one by this one,
    int bottomWholeGap = 3;      // px: and one narrower than this at once
};
constexpr ScrollTuning kScrollTuning;

// The list's window timers, one per animation; their ids are part of its message traffic.
constexpr UINT kTimerSpringTop = 1;     // IDT_SPRING_TOP
constexpr UINT kTimerSpringBottom = 2;  // IDT_SPRING_BOTTOM
constexpr UINT kTimerFling = 3;         // IDT_FLING
constexpr UINT kTimerPeriod = kScrollTuning.tickMs;  // ms

enum class ScrollState { Idle, Pressed, Dragging, Gliding, SpringingTop, SpringingBottom };

struct RowPosition {
    int topIndex;
    int firstRowBottom;  // px below the rows area's top; a stored 0 is drawn as a whole row
};

// What the rules read about the list: where its rows are now, and what its last paint recorded
// (a host may have moved the rows or deleted items since).
struct ListMetrics {
    RowPosition position;
    int itemHeight;  // px
    int count;       // items
    int lastIndex;   // the last row painted
    int bottomGap;   // px from that row's bottom to the rows area's; negative when it is cut off
};

// What the list's window does, in this order: store the position and the flags, kill the
// timers, start one, repaint.
struct ScrollStep {
    std::optional<RowPosition> moveTo;
    bool rowsMoving = false;  // the next paint skips the page-scroll bar
    int indicator = -1;       // the scroll indicator: 1 shown, 0 hidden, -1 left as it is
    UINT stopTimers = 0;      // bit (1 << id) per timer to kill
    UINT startTimer = 0;      // 0: none
    UINT period = kTimerPeriod;  // ms, of the timer started
    bool repaint = false;
    int moved = 0;  // px the rows moved down (negative: up)
};

constexpr UINT TimerBit(UINT timer)
{
    return 1u << timer;
}

// Moves the rows by `delta` px (positive: down) as a drag step does; with `stopAtRest`, the rows
// never go below their resting place at the start of the list.
RowPosition MoveRows(RowPosition from, int delta, int h, int count, bool stopAtRest);

class TickedScroller {
public:
    // Pen-down or double tap: every animation stops, and the next move counts from `point`.
    ScrollStep Press(POINT point);
    // A pen sample taken at `now` (ms). A vertical step longer than `screenHeight` comes from a
    // pen above the window, whose y reads near 65535: it moves nothing and leaves the speed.
    ScrollStep Move(POINT point, DWORD now, const ListMetrics& list, int screenHeight);
    // Pen-up at `now`: a glide after a flick, else the spring-back of a list pulled past an end.
    ScrollStep Release(DWORD now, const ListMetrics& list);
    // One tick of the animation whose timer this is (a timer the list started on its own too).
    ScrollStep Tick(UINT timer, const ListMetrics& list);
    // Every animation stops where it is.
    ScrollStep Stop();
    // The glide about to start goes at `pxPerTick` instead of the last move's distance.
    void Launch(int pxPerTick) { velocity = pxPerTick; }
    // The rows moved by `delta` px (positive: down), as one drag step moves them.
    static ScrollStep Scroll(int delta, const ListMetrics& list);

    ScrollState State() const { return state; }
    POINT LastMovePoint() const { return lastMovePoint; }
    DWORD LastMoveTick() const { return lastMoveTick; }
    // px of the last move; while gliding, the speed in px per tick.
    int Velocity() const { return velocity; }

private:
    ScrollStep SpringTopStep(const ListMetrics& list);
    ScrollStep SpringBottomStep(const ListMetrics& list);
    ScrollStep GlideStep(const ListMetrics& list);
    ScrollStep End(UINT timer);
    ScrollStep HandOver(UINT timer, ScrollState next);

    ScrollState state = ScrollState::Idle;
    POINT lastMovePoint = {0, 0};  // the last sample that scrolled
    DWORD lastMoveTick = 0xFFFF;   // ms, its time
    int velocity = 0;
};

}  // namespace listview
