// The pen's vertical speed when it is lifted, from the samples it reported just before: a line
// fitted through them, so that the speed no longer depends on how often the panel reports.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

namespace listview {

struct PenSpeedTuning {
    int windowMs = 100;   // ms: the samples this long before the newest one count
    int liftOffMs = 10;   // ms: a last sample this soon after the one before it that turns back
                          //   is the panel's lift-off report, not the finger
    size_t maxSamples = 256;  // kept at most, whatever the panel's rate
};
constexpr PenSpeedTuning kPenSpeedTuning;

class PenTrack {
public:
    // The pen went down: earlier samples no longer count.
    void Start(DWORD at, int y);
    void Add(DWORD at, int y);
    // px per ms (positive: down) by least squares over the recent samples; none while they do not
    // span any time.
    std::optional<double> Speed() const;

private:
    struct Sample {
        DWORD at;  // ms
        int y;     // px
    };
    std::vector<Sample> samples;
};

}  // namespace listview
