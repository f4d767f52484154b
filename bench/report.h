// The one table scripts/bench prints: every case's median over its repetitions against the floor
// of its own area measured in the same run, its target and whether the run met it, then the
// targets that compare cases with each other.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace bench {

// The pixels a case paints: its floor is four 32-bit copies of this area.
struct Area {
    int width = 0;
    int height = 0;
};

// Registers the floor of `area` once, and remembers that `name` is measured against it.
void NoteArea(const std::string& name, Area area);

// A case filter (Google Benchmark's regular expression) widened to the floors of the cases it
// selects; empty selects everything.
std::string WithFloors(const std::string& filter);

template <class... Args>
benchmark::internal::Benchmark* RegisterCase(const std::string& name, Area area, Args&&... args)
{
    NoteArea(name, area);
    return benchmark::RegisterBenchmark(name.c_str(), std::forward<Args>(args)...);
}

// A case reports these counters instead of a time: bytes per list item; the frames of a tour
// (p50 and p99 in seconds, shown as cases of their own against the tour's floor, and their count);
// the decoded pictures held afterwards.
constexpr const char* kBytesPerItem = "bytes/item";
constexpr const char* kFrameP50 = "p50";
constexpr const char* kFrameP99 = "p99";
constexpr const char* kFrames = "frames";
constexpr const char* kCacheBytes = "cache bytes";

// The denominator of a target that divides a case by the floor of its own area.
constexpr const char* kOwnFloor = "own floor";

// `numerator` over `denominator` (two cases' medians, or the numerator's own floor) at most
// `limit`; without a denominator the numerator's median in milliseconds at most `limit`. An empty
// label is made from the case's name and the limit.
struct Target {
    std::string label;
    std::string numerator;
    std::string denominator;
    double limit;
};

class TableReporter : public benchmark::BenchmarkReporter {
public:
    explicit TableReporter(std::vector<Target> targets) : targets_(std::move(targets)) {}

    bool ReportContext(const Context& context) override;
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Case {
        std::string name;
        std::vector<double> seconds;  // CPU time per iteration (or a frame counter), one per repetition
        std::map<std::string, double> counters;
        std::string error;
    };

    Case& CaseNamed(const std::string& name, int64_t order);
    const Case* Find(const std::string& name) const;
    double Median(const std::string& name) const;  // 0 when the case did not run
    double FloorFor(const std::string& name) const;
    double Ratio(const Target& target) const;  // 0 when either side did not run
    void PrintCase(const Case& c) const;
    void PrintTargets() const;

    std::vector<Target> targets_;
    std::map<int64_t, Case> cases_;  // in the order the cases were registered
    int repetitions_ = 0;
};

}  // namespace bench
