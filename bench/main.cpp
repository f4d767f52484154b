// Runs every case with repetitions interleaved at random, so that a change in the machine's load
// touches all cases alike, and prints the table. Google Benchmark's own flags given on the
// command line come after the defaults here and override them.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "cases.h"
#include "report.h"

int main(int argc, char** argv)
{
    std::vector<std::string> flags = {argv[0], "--benchmark_repetitions=7", "--benchmark_min_time=0.2",
                                      "--benchmark_enable_random_interleaving=true"};
    // The filter is applied after the cases are registered, so that it can take in their floors.
    const std::string filterFlag = "--benchmark_filter=";
    std::string filter;
    for (int i = 1; i < argc; i++) {
        const std::string flag = argv[i];
        if (flag.rfind(filterFlag, 0) == 0)
            filter = flag.substr(filterFlag.size());
        else
            flags.push_back(flag);
    }
    std::vector<char*> args;
    for (std::string& flag : flags) args.push_back(flag.data());
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;

    bench::RegisterListCases();
    bench::RegisterPeerCases();
    bench::RegisterQtPeerCases();
    bench::RegisterComboCases();
    bench::RegisterVectorBoxCases();
    bench::RegisterMenuCases();
    bench::RegisterDrawingCases();
    bench::RegisterDemoCases();
    bench::RegisterDecodeCases();

    const double tickMs = 50;
    using bench::kOwnFloor;
    bench::TableReporter table({
        {"", "list paint 800x480 solid", kOwnFloor, 1.25},
        {"", "combo field paint 252x42", kOwnFloor, 3.0},
        {"", "vector box paint 252x42 at rest", kOwnFloor, 3.0},
        {"", "CNavImage nine-part frame to 800x480", kOwnFloor, 1.5},
        {"", "pop-up menu paint, 8 items", kOwnFloor, 3.0},
        {"", "sliding panel paint, 8 items", kOwnFloor, 3.0},
        {"", "list create + destroy", kOwnFloor, 1.0},
        {"", "demo screen full repaint 800x480", kOwnFloor, 3.0},
        {"", "demo tour frames 800x480 p99", kOwnFloor, 3.0},
        {"", "small screen full repaint 480x272", kOwnFloor, 3.0},
        {"", "small screen tour frames 480x272 p99", kOwnFloor, 3.0},
        {"paint with 100,000 items <= 1.1 x paint with 10", "list paint 100000 items", "list paint 10 items", 1.1},
        {"one drag step at 800x480 < 2 % of the 50 ms tick (ms)", "list drag step 800x480", "", tickMs * 0.02},
        {"list create + destroy <= 0.1 ms (ms)", "list create + destroy", "", 0.1},
        {"our list paint <= 0.8 x the cairo peer's picture", "list paint 800x480 solid", "cairo peer list 800x480", 0.8},
        {"our list paint <= 0.8 x the Qt peer's picture", "list paint 800x480 solid", "Qt peer list 800x480", 0.8},
        {"PNG decode through the factory <= 1.2 x libpng", bench::kDecodePngFactory, bench::kDecodePngLibrary, 1.2},
        {"JPEG decode through the factory <= 1.2 x libjpeg-turbo", bench::kDecodeJpegFactory,
         bench::kDecodeJpegLibrary, 1.2},
    });
    benchmark::RunSpecifiedBenchmarks(&table, bench::WithFloors(filter));
    benchmark::Shutdown();
    return 0;
}
