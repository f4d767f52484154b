// The one table scripts/bench prints: every case's median over its repetitions, its ratio to the
// floor of its screen size measured in the same run, the spread of the repetitions, and the
// targets checked against those medians.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace bench {

constexpr const char* kFloorLarge = "floor 800x480";
constexpr const char* kFloorSmall = "floor 480x272";
// A case whose name carries this is measured against kFloorSmall.
constexpr const char* kSmallScreenTag = "480x272";
// A case reports this counter instead of a time.
constexpr const char* kBytesPerItem = "bytes/item";

// `numerator` over `denominator` (two cases' medians) at most `limit`; without a denominator the
// numerator's median in milliseconds at most `limit`.
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
        std::vector<double> seconds;  // CPU time per iteration, one entry per repetition
        std::map<std::string, double> counters;
        std::string error;
    };

    Case& CaseNamed(const std::string& name, int64_t family);
    const Case* Find(const std::string& name) const;
    double Median(const std::string& name) const;  // 0 when the case did not run
    void PrintCase(const Case& c) const;
    void PrintTargets() const;

    std::vector<Target> targets_;
    std::map<int64_t, Case> cases_;  // by family: the order the cases were registered in
    int repetitions_ = 0;
};

}  // namespace bench
