// A stand-in for the list around its scroller, for the physics tests: rows 60 px high in a rows
// area 300 px tall, laid out after every step, and the timers the steps start and stop.
#pragma once

#include <set>

#include "listview/Scroller.h"

struct ScrolledRows {
    ScrolledRows(int items, listview::RowPosition from) : count(items), at(from) {}

    listview::ListMetrics Metrics() const
    {
        int bottom = at.firstRowBottom ? at.firstRowBottom : 60, last = at.topIndex;
        for (; bottom < 300 && last < count - 1; last++) bottom += 60;
        return {at, 60, count, last, 300 - bottom};
    }
    void Follow(const listview::ScrollStep& step)
    {
        if (step.moveTo) at = *step.moveTo;
        for (UINT timer : {listview::kTimerSpringTop, listview::kTimerSpringBottom, listview::kTimerFling})
            if (step.stopTimers & (1u << timer)) timers.erase(timer);
        if (step.startTimer) {
            timers.insert(step.startTimer);
            period = step.period;
        }
    }

    int count;
    listview::RowPosition at;
    listview::ListScroller scroller;
    std::set<UINT> timers;
    UINT period = 0;  // ms, of the timer last started
};
