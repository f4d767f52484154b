// A glide or spring-back of the ticked physics, followed in time at a shorter timer period: t ms
// after the movement starts the rows are where the ticks put them at tick t / 50, moved on towards
// the next tick's position by the time since that tick. A late timer makes a longer step.
#pragma once

#include "listview/TickedScroller.h"

namespace listview {

class TimedCurve {
public:
    // The movement that `ticks` runs on `timer` from `start` (ms), the rows being there then.
    TimedCurve(const TickedScroller& ticks, UINT timer, DWORD start);

    // The frame at `now` (ms): where the rows go, the timer handed over to, or the movement's end.
    ScrollStep Frame(DWORD now, const ListMetrics& list);
    // The rows were moved under the movement: it goes on from where they are, starting at `now`.
    void Restart(DWORD now);
    bool Ended() const { return timer == 0; }
    // The ticked movement as of the last tick passed.
    const TickedScroller& Ticked() const { return ticks; }

private:
    void StepTick();
    RowPosition Between(DWORD sinceTick) const;

    TickedScroller ticks;
    UINT timer;        // the ticked movement's timer; 0 once it has come to rest
    DWORD start;       // ms: tick 0
    DWORD done = 0;    // ticks passed
    bool seeded = false;
    ListMetrics at{};  // the rows at the last tick passed, as a paint would record them
    RowPosition shown{};  // where the last frame put the rows
};

}  // namespace listview
