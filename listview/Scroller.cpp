// Which curve each animation takes: the ticks themselves, or the ticks' curve followed in time.
#include "listview/Scroller.h"

#include <cmath>

namespace listview {

UINT ListScroller::Period() const
{
    return kit::FramePeriod(interval, kTimerPeriod);
}

// Keeps count of the animation's timer, and of when the ticks last placed the rows.
ScrollStep ListScroller::Track(ScrollStep step, DWORD now)
{
    if (step.startTimer) {
        running = step.startTimer;
        steppedAt = now;
        step.period = Period();
    } else if (running && (step.stopTimers & TimerBit(running))) {
        running = 0;
    }
    return step;
}

ScrollStep ListScroller::Press(POINT point, DWORD now)
{
    curve.reset();
    pen.Start(now, point.y);
    return Track(ticks.Press(point), now);
}

ScrollStep ListScroller::Move(POINT point, DWORD now, const ListMetrics& list, int screenHeight)
{
    curve.reset();
    if (point.y - ticks.LastMovePoint().y <= screenHeight) pen.Add(now, point.y);
    return Track(ticks.Move(point, now, list, screenHeight), now);
}

ScrollStep ListScroller::Release(DWORD now, const ListMetrics& list)
{
    curve.reset();
    ScrollStep step = ticks.Release(now, list);
    if (interval && step.startTimer) {
        // The ticks take the last move's distance, which depends on how often the panel reports.
        const std::optional<double> speed = pen.Speed();
        if (step.startTimer == kTimerFling && speed) ticks.Launch(int(std::lround(*speed * kPenReportMs)));
        curve.emplace(ticks, step.startTimer, now);
    }
    return Track(step, now);
}

ScrollStep ListScroller::Tick(UINT timer, const ListMetrics& list, DWORD now)
{
    if (!curve) {
        steppedAt = now;
        return Track(ticks.Tick(timer, list), now);
    }
    ScrollStep step = curve->Frame(now, list);
    if (curve->Ended()) {
        ticks = curve->Ticked();
        curve.reset();
    }
    return Track(step, now);
}

ScrollStep ListScroller::Start(UINT timer, DWORD now)
{
    if (curve) {
        curve->Restart(now);
        return {};
    }
    if (interval) curve.emplace(ticks, timer, now);
    ScrollStep step;
    step.startTimer = timer;
    return Track(step, now);
}

ScrollStep ListScroller::Stop()
{
    curve.reset();
    return Track(ticks.Stop(), steppedAt);
}

ScrollStep ListScroller::SetInterval(int ms)
{
    if (!kit::IsAnimationInterval(ms) || ms == interval) return {};
    interval = ms;
    if (!running) return {};
    // A ticked animation goes on along its curve from its last tick.
    if (!curve && interval) curve.emplace(ticks, running, steppedAt);
    ScrollStep step;
    step.startTimer = running;
    step.period = Period();
    return step;
}

}  // namespace listview
