// The least-squares fit of the pen's recent samples over time.
#include "listview/PenSpeed.h"

#include <cstdint>

namespace listview {

void PenTrack::Start(DWORD at, int y)
{
    samples.clear();
    Add(at, y);
}

void PenTrack::Add(DWORD at, int y)
{
    samples.push_back({at, y});
    size_t first = 0;
    while (first < samples.size() &&
           (int32_t(at - samples[first].at) > kPenSpeedTuning.windowMs ||
            samples.size() - first > kPenSpeedTuning.maxSamples))
        first++;
    samples.erase(samples.begin(), samples.begin() + first);
}

std::optional<double> PenTrack::Speed() const
{
    if (samples.empty()) return std::nullopt;
    size_t n = samples.size();
    if (n >= 3) {
        const Sample &last = samples[n - 1], &before = samples[n - 2];
        const int64_t heading = int64_t(before.y) - samples[0].y, turn = int64_t(last.y) - before.y;
        if (int32_t(last.at - before.at) <= kPenSpeedTuning.liftOffMs && heading * turn < 0) n--;
    }
    // Times as ms before the newest sample kept: the clock may wrap in between.
    auto time = [&](size_t i) { return -double(int32_t(samples[n - 1].at - samples[i].at)); };
    double meanT = 0, meanY = 0;
    for (size_t i = 0; i < n; i++) {
        meanT += time(i) / double(n);
        meanY += samples[i].y / double(n);
    }
    double covariance = 0, spread = 0;
    for (size_t i = 0; i < n; i++) {
        covariance += (time(i) - meanT) * (samples[i].y - meanY);
        spread += (time(i) - meanT) * (time(i) - meanT);
    }
    if (spread <= 0) return std::nullopt;
    return covariance / spread;
}

}  // namespace listview
