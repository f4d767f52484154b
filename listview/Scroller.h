// The list's scroll physics at the timer period its host chose. Drags move the rows at once; the
// glide and the spring-backs run on the 50 ms ticks of TickedScroller, or at a shorter period
// along the same curve in time (TimedCurve), where the glide starts from the pen's fitted speed.
#pragma once

#include <windows.h>

#include <optional>

#include "kit/TickedMotion.h"
#include "listview/PenSpeed.h"
#include "listview/TickedScroller.h"
#include "listview/TimedCurve.h"

namespace listview {

// ms: the glide's speed per tick is the pen's speed times this, the distance a pen reported this
// often moves between two reports, which the ticks take as the speed.
constexpr int kPenReportMs = 10;

class ListScroller {
public:
    // Pen-down or double tap at `now` (ms): every animation stops, and the next move counts from
    // `point`, the first sample of the pen's speed.
    ScrollStep Press(POINT point, DWORD now = 0);
    // A pen sample taken at `now` (ms). A vertical step longer than `screenHeight` comes from a
    // pen above the window, whose y reads near 65535: it moves nothing and leaves the speed.
    ScrollStep Move(POINT point, DWORD now, const ListMetrics& list, int screenHeight);
    // Pen-up at `now`: a glide after a flick, else the spring-back of a list pulled past an end.
    ScrollStep Release(DWORD now, const ListMetrics& list);
    // The list's timer `timer` arrived at `now` (ms).
    ScrollStep Tick(UINT timer, const ListMetrics& list, DWORD now);
    // One 50 ms tick of the animation whose timer this is, whatever the period.
    ScrollStep Tick(UINT timer, const ListMetrics& list) { return ticks.Tick(timer, list); }
    // The list starts an animation of its own accord at `now` (the spring-back after a deletion).
    ScrollStep Start(UINT timer, DWORD now);
    // Every animation stops where it is.
    ScrollStep Stop();
    // A period kit::IsAnimationInterval takes, in ms; a running animation goes on at the new one.
    ScrollStep SetInterval(int ms);
    // The rows moved by `delta` px (positive: down), as one drag step moves them.
    static ScrollStep Scroll(int delta, const ListMetrics& list) { return TickedScroller::Scroll(delta, list); }

    ScrollState State() const { return curve ? curve->Ticked().State() : ticks.State(); }
    POINT LastMovePoint() const { return ticks.LastMovePoint(); }
    DWORD LastMoveTick() const { return ticks.LastMoveTick(); }
    // px of the last move; while gliding, the speed in px per tick.
    int Velocity() const { return curve ? curve->Ticked().Velocity() : ticks.Velocity(); }
    int Interval() const { return interval; }

private:
    UINT Period() const;
    ScrollStep Track(ScrollStep step, DWORD now);

    TickedScroller ticks;
    PenTrack pen;
    std::optional<TimedCurve> curve;  // the animation running at a period of its own
    int interval = 0;                 // ms; 0: the ticks
    UINT running = 0;                 // the animation's timer, 0: none
    DWORD steppedAt = 0;              // ms: when the rows were last where the ticks put them
};

}  // namespace listview
