#include "report.h"

#include <algorithm>
#include <cstdio>
#include <regex>
#include <set>

#include "cases.h"

namespace bench {

namespace {

// Each case's floor, by name; filled while the cases are registered.
std::map<std::string, std::string>& FloorNames()
{
    static std::map<std::string, std::string> names;
    return names;
}

// Time counters become rows of their own, named after the case and the counter.
constexpr const char* kTimeCounters[] = {kFrameP50, kFrameP99};

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

bool IsFloor(const std::string& name)
{
    return name.rfind(kFloorPrefix, 0) == 0;
}

}  // namespace

void NoteArea(const std::string& name, Area area)
{
    const std::string floor = FloorName(area.width, area.height);
    bool known = false;
    for (const auto& entry : FloorNames()) known = known || entry.second == floor;
    FloorNames()[name] = floor;
    for (const char* counter : kTimeCounters) FloorNames()[name + " " + counter] = floor;
    if (!known) RegisterFloor(area.width, area.height);
}

std::string WithFloors(const std::string& filter)
{
    if (filter.empty()) return filter;
    std::set<std::string> floors;
    try {
        const std::regex selects(filter, std::regex::extended);
        for (const auto& [name, floor] : FloorNames())
            if (std::regex_search(name, selects)) floors.insert(floor);
    } catch (const std::regex_error&) {
        return filter;  // Google Benchmark reports the filter it cannot read
    }
    std::string widened = "(" + filter + ")";
    for (const std::string& floor : floors) widened += "|^" + floor + "$";
    return widened;
}

bool TableReporter::ReportContext(const Context& context)
{
    std::fprintf(stderr, "rknav_bench: %d CPUs at %.0f MHz; running every case, repetitions interleaved\n",
                 context.cpu_info.num_cpus, context.cpu_info.cycles_per_second / 1e6);
    return true;
}

TableReporter::Case& TableReporter::CaseNamed(const std::string& name, int64_t order)
{
    Case& found = cases_[order];
    found.name = name;
    return found;
}

void TableReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration) continue;
        const std::string name = run.run_name.function_name;
        const int64_t order = run.family_index * 4;
        Case& c = CaseNamed(name, order);
        repetitions_ = std::max<int>(repetitions_, int(run.repetitions));
        if (run.error_occurred) {
            c.error = run.error_message;
            continue;
        }
        if (run.iterations > 0) c.seconds.push_back(run.cpu_accumulated_time / double(run.iterations));
        for (const auto& [counter, value] : run.counters) c.counters[counter] = value.value;
        int row = 1;
        for (const char* counter : kTimeCounters) {
            auto found = run.counters.find(counter);
            if (found != run.counters.end())
                CaseNamed(name + " " + counter, order + row).seconds.push_back(found->second.value);
            row++;
        }
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

// The least of the floor's repetitions: copies only get slower when something else wants the
// memory bus or the cache, so the fastest repetition is the one closest to the machine's own.
double TableReporter::FloorFor(const std::string& name) const
{
    auto floor = FloorNames().find(name);
    const Case* c = floor == FloorNames().end() ? nullptr : Find(floor->second);
    if (!c || c->seconds.empty()) return 0;
    return *std::min_element(c->seconds.begin(), c->seconds.end());
}

double TableReporter::Ratio(const Target& target) const
{
    const double numerator = Median(target.numerator);
    double denominator = 1e-3;
    if (target.denominator == kOwnFloor)
        denominator = FloorFor(target.numerator);
    else if (!target.denominator.empty())
        denominator = Median(target.denominator);
    return numerator > 0 && denominator > 0 ? numerator / denominator : 0;
}

void TableReporter::PrintCase(const Case& c) const
{
    std::printf("%-50s", c.name.c_str());
    if (!c.error.empty()) {
        std::printf("  failed: %s\n", c.error.c_str());
        return;
    }
    auto bytes = c.counters.find(kBytesPerItem);
    if (bytes != c.counters.end()) {
        std::printf(" %10.0f B per item\n", bytes->second);
        return;
    }
    const double median = MedianOf(c.seconds);
    // A tour's own time is the sum of its frames: only its p50 and p99 rows compare with a floor.
    const bool tour = c.counters.count(kFrames) > 0;
    const double floor = IsFloor(c.name) || tour ? 0 : FloorFor(c.name);
    const auto [low, high] = std::minmax_element(c.seconds.begin(), c.seconds.end());
    const double spread = median > 0 ? (*high - *low) / median * 100 : 0;
    std::printf(" %10s %6.0f%%", FormatTime(median).c_str(), spread);
    if (floor > 0) std::printf(" %10s %8.2f", FormatTime(floor).c_str(), median / floor);
    for (const Target& target : targets_) {
        if (target.numerator != c.name || target.denominator != kOwnFloor || Ratio(target) <= 0) continue;
        std::printf("   <= %-4g %s", target.limit, Ratio(target) <= target.limit ? "met" : "MISSED");
    }
    auto frames = c.counters.find(kFrames);
    if (frames != c.counters.end()) std::printf("   %.0f frames", frames->second);
    auto cache = c.counters.find(kCacheBytes);
    if (cache != c.counters.end()) std::printf(", %.0f KiB of decoded pictures held after", cache->second / 1024);
    std::printf("\n");
}

void TableReporter::PrintTargets() const
{
    std::printf("\nTargets (medians of this run)\n");
    for (const Target& target : targets_) {
        char own[128];
        std::snprintf(own, sizeof own, "%s <= %g x own floor", target.numerator.c_str(), target.limit);
        const std::string label = target.label.empty() ? own : target.label;
        const double value = Ratio(target);
        if (value <= 0) {
            std::printf("  %-66s not measured\n", label.c_str());
            continue;
        }
        std::printf("  %-66s %8.3f %-3s  %s\n", label.c_str(), value, target.denominator.empty() ? "ms" : "x",
                    value <= target.limit ? "met" : "MISSED");
    }
}

void TableReporter::Finalize()
{
    std::fputc('\n', stderr);
    std::printf("\n%-50s %10s %7s %10s %8s   %s\n", "case", "median", "spread", "own floor", "x floor", "target");
    for (const auto& entry : cases_)
        if (!IsFloor(entry.second.name)) PrintCase(entry.second);
    for (const auto& entry : cases_)
        if (IsFloor(entry.second.name)) PrintCase(entry.second);
    std::printf("\n%d repetitions per case, interleaved at random. \"median\" is CPU time per iteration (per frame\n"
                "for p50/p99), \"spread\" the range of the repetitions over their median, \"own floor\" the\n"
                "fastest repetition of four 32-bit copies of the case's own area.\n",
                repetitions_);
    PrintTargets();
    std::fflush(stdout);
}

}  // namespace bench
