// The demo's tour on Win32 against wincore: each shot compared with wincore's picture of the same
// step. Both pictures and a difference picture are saved under <out>, and each shot's share of
// differing pixels is printed and written to <out>/report.txt; a shot above its limit fails.
//     tour_compare <wincore pictures> <win32 shots> <out> <shot>=<limit %>...
// The wincore pictures are the golden ones the Linux suite checks the tour against (demo_<shot>.png).
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "support/picture_diff.h"

namespace {

// Past this a channel differs by more than a font's antialiasing moves it.
constexpr int kTolerance = 48;

bool Compare(const std::string& shot, double limit, const std::string& wincoreDir, const std::string& win32Dir,
             const std::string& out, std::ostream& report)
{
    wincore::ScreenImage expected, actual;
    const std::string wincorePath = wincoreDir + "/demo_" + shot + ".png", win32Path = win32Dir + "/" + shot + ".png";
    if (!wincore::LoadPng(wincorePath.c_str(), &expected) || !wincore::LoadPng(win32Path.c_str(), &actual)) {
        report << shot << ": missing (" << wincorePath << ", " << win32Path << ")\n";
        return false;
    }
    const PictureDiff diff = ComparePictures(actual, expected, kTolerance);
    const double share = 100.0 * diff.differing / double(expected.pixels.size());
    wincore::SavePng((out + "/" + shot + "-wincore.png").c_str(), expected);
    wincore::SavePng((out + "/" + shot + "-win32.png").c_str(), actual);
    wincore::SavePng((out + "/" + shot + "-diff.png").c_str(), diff.picture);
    char line[160];
    std::snprintf(line, sizeof line, "%-10s %6.2f %% of pixels differ (known: up to %g %%)%s\n", shot.c_str(), share,
                  limit, share <= limit ? "" : "  ** above the limit **");
    report << line;
    return share <= limit;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fputs("usage: tour_compare <wincore pictures> <win32 shots> <out> <shot>=<limit %>...\n", stderr);
        return 2;
    }
    const std::string out = argv[3];
    std::ostringstream report;
    bool agree = true;
    for (int i = 4; i < argc; i++) {
        const std::string arg = argv[i];
        const size_t equals = arg.find('=');
        if (equals == std::string::npos) {
            std::fprintf(stderr, "tour_compare: %s is not <shot>=<limit %%>\n", arg.c_str());
            return 2;
        }
        agree = Compare(arg.substr(0, equals), std::atof(arg.c_str() + equals + 1), argv[1], argv[2], out, report) &&
                agree;
    }
    std::fputs(report.str().c_str(), stdout);
    std::ofstream(out + "/report.txt") << report.str();
    return agree ? 0 : 1;
}
