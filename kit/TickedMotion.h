// Movements whose curve is given tick by tick (the state after each timer tick of a fixed period),
// played either on those ticks or on a shorter timer that places each frame on the same curve by
// the time elapsed: the state of the last tick passed, moved linearly towards the next tick's. The
// ticked step stays the one source of the curve, so the two ways of playing it cannot drift apart.
#pragma once

#include <windows.h>

#include <optional>

namespace kit {

constexpr int kMinAnimationInterval = 8;   // ms
constexpr int kMaxAnimationInterval = 50;  // ms

// 0 (the movement's own ticks) or a frame period a smooth movement may run at.
inline bool IsAnimationInterval(int ms)
{
    return ms == 0 || (ms >= kMinAnimationInterval && ms <= kMaxAnimationInterval);
}

// The timer period of a movement ticked every `tickPeriod` ms, played at `interval`.
inline UINT FramePeriod(int interval, UINT tickPeriod)
{
    return interval ? UINT(interval) : tickPeriod;
}

// `into` ms of `period` on the way from one ticked position to the next. Truncated towards `from`,
// so that the way between two ticks never turns back.
inline int Between(int from, int to, DWORD into, DWORD period)
{
    return from + int(static_cast<long long>(to - from) * into / period);
}

// The frame `elapsed` ms after the movement began: the ticks of `state` due by then taken (`taken`
// of them were already), and its position moved from the last tick's towards the next tick's, or
// held where the next tick ends the movement. `tick(State&)` takes one tick and returns false when
// that tick ends the movement; then there is no frame, and `state` is the movement's end.
template <class State, class Tick, class Position>
std::optional<int> FrameAt(State& state, int& taken, DWORD elapsed, DWORD tickPeriod, Tick tick, Position position)
{
    for (const DWORD due = elapsed / tickPeriod; DWORD(taken) < due;) {
        taken++;
        if (!tick(state)) return std::nullopt;
    }
    State next = state;
    const int from = position(state);
    if (!tick(next)) return from;
    return Between(from, position(next), elapsed % tickPeriod, tickPeriod);
}

}  // namespace kit
