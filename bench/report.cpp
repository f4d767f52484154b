#include "report.h"

#include <algorithm>
#include <cstdio>

namespace bench {

namespace {

double MedianOf(std::vector<double> values)
{
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string FormatTime(double seconds)
{
    char text[32];
    if (seconds >= 1.0)
        std::snprintf(text, sizeof text, "%.2f s", seconds);
    else if (seconds >= 1e-3)
        std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
    else if (seconds >= 1e-6)
        std::snprintf(text, sizeof text, "%.1f us", seconds * 1e6);
    else
        std::snprintf(text, sizeof text, "%.0f ns", seconds * 1e9);
    return text;
}

const char* FloorOf(const std::string& name)
{
    return name.find(kSmallScreenTag) != std::string::npos ? kFloorSmall : kFloorLarge;
}

}  // namespace

bool TableReporter::ReportContext(const Context& context)
{
    std::fprintf(stderr, "rknav_bench: %d CPUs at %.0f MHz; running every case, repetitions interleaved\n",
                 context.cpu_info.num_cpus, context.cpu_info.cycles_per_second / 1e6);
    return true;
}

TableReporter::Case& TableReporter::CaseNamed(const std::string& name, int64_t family)
{
    Case& found = cases_[family];
    found.name = name;
    return found;
}

void TableReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration) continue;
        Case& c = CaseNamed(run.run_name.function_name, run.family_index);
        repetitions_ = std::max<int>(repetitions_, int(run.repetitions));
        if (run.error_occurred) {
            c.error = run.error_message;
            continue;
        }
        if (run.iterations > 0) c.seconds.push_back(run.cpu_accumulated_time / double(run.iterations));
        for (const auto& [counter, value] : run.counters) c.counters[counter] = value.value;
        std::fputc('.', stderr);
    }
}

const TableReporter::Case* TableReporter::Find(const std::string& name) const
{
    for (const auto& entry : cases_)
        if (entry.second.name == name) return &entry.second;
    return nullptr;
}

double TableReporter::Median(const std::string& name) const
{
    const Case* c = Find(name);
    return c ? MedianOf(c->seconds) : 0;
}

void TableReporter::PrintCase(const Case& c) const
{
    std::printf("%-48s", c.name.c_str());
    if (!c.error.empty()) {
        std::printf("  failed: %s\n", c.error.c_str());
        return;
    }
    auto bytes = c.counters.find(kBytesPerItem);
    if (bytes != c.counters.end()) {
        std::printf(" %12.0f B per item\n", bytes->second);
        return;
    }
    const double median = MedianOf(c.seconds);
    const double floor = Median(FloorOf(c.name));
    const auto [low, high] = std::minmax_element(c.seconds.begin(), c.seconds.end());
    const double spread = median > 0 ? (*high - *low) / median * 100 : 0;
    std::printf(" %12s", FormatTime(median).c_str());
    if (floor > 0)
        std::printf(" %9.2f", median / floor);
    else
        std::printf(" %9s", "-");
    std::printf(" %8.1f%%\n", spread);
}

void TableReporter::PrintTargets() const
{
    std::printf("\nTargets (medians of this run)\n");
    for (const Target& target : targets_) {
        const double numerator = Median(target.numerator);
        const double denominator = target.denominator.empty() ? 1e-3 : Median(target.denominator);
        if (numerator <= 0 || denominator <= 0) {
            std::printf("  %-60s not measured\n", target.label.c_str());
            continue;
        }
        const double value = numerator / denominator;
        std::printf("  %-60s %8.3f %-3s  %s\n", target.label.c_str(), value, target.denominator.empty() ? "ms" : "x",
                    value <= target.limit ? "met" : "MISSED");
    }
}

void TableReporter::Finalize()
{
    std::fputc('\n', stderr);
    std::printf("\n%-48s %12s %9s %9s\n", "case", "median", "x floor", "spread");
    std::printf("%-48s %12s %9s %9s\n", "", "(CPU time)", "", "(max-min)");
    for (const auto& entry : cases_) PrintCase(entry.second);
    std::printf("\n%d repetitions per case, interleaved at random; \"x floor\" divides by the floor of the same\n"
                "screen size, \"spread\" is the range of the repetitions over their median.\n",
                repetitions_);
    PrintTargets();
    std::fflush(stdout);
}

}  // namespace bench
