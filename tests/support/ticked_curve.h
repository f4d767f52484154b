// Movements traced on the manual clock, and what a movement played at a shorter frame period owes
// the same movement on its ticks.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include <wincore/host.h>

// `measure` now and after each of `steps` steps of `step` ms.
template <class Measure>
std::vector<int> Trace(int steps, int step, Measure measure)
{
    std::vector<int> values = {measure()};
    for (int i = 0; i < steps; i++) {
        wincore::Advance(DWORD(step));
        values.push_back(measure());
    }
    return values;
}

// Where the ticks (a value every `tick` ms; the last one stands for all later ticks) put a
// movement `t` ms after it began: the last tick's value moved linearly towards the next one's.
inline double OnTheCurve(const std::vector<int>& ticked, int tick, int t)
{
    const size_t last = ticked.size() - 1, k = std::min(size_t(t / tick), last);
    const int from = ticked[k], to = ticked[std::min(k + 1, last)];
    return from + double(to - from) * (t % tick) / tick;
}

// A frame of a smooth movement: `value` at `t` ms after the movement began.
struct TracedFrame {
    int t;
    int value;
};

// Smooth frames against the ticked trace: each on the curve within 1 px, never moving back
// between two ticks. Empty when it holds, else the first frame off.
inline std::string OffTheCurve(const std::vector<int>& ticked, int tick, const std::vector<TracedFrame>& frames)
{
    for (size_t j = 0; j < frames.size(); j++) {
        const int t = frames[j].t, value = frames[j].value, next = (t / tick + 1) * tick;
        const bool sameTick = j > 0 && frames[j - 1].t / tick == t / tick;
        const bool back =
            sameTick && (value - frames[j - 1].value) * (OnTheCurve(ticked, tick, next) - frames[j - 1].value) < 0;
        if (back || std::abs(value - OnTheCurve(ticked, tick, t)) > 1)
            return "at " + std::to_string(t) + " ms " + std::to_string(value) + ", the ticks give " +
                   std::to_string(OnTheCurve(ticked, tick, t));
    }
    return "";
}

// Empty when `seen`, a value every `step` ms, follows the ticks: at step 1 exactly, else on their curve.
inline std::string OffTheTicks(const std::vector<int>& ticked, int tick, const std::vector<int>& seen, int step)
{
    std::vector<TracedFrame> frames;
    for (size_t j = 0; j < seen.size(); j++) {
        if (step == 1 && seen[j] != ticked[std::min(j / tick, ticked.size() - 1)])
            return "at " + std::to_string(j) + " ms";
        frames.push_back({int(j) * step, seen[j]});
    }
    return step == 1 ? "" : OffTheCurve(ticked, tick, frames);
}
