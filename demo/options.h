// The demo's command line.
#pragma once

#include <string>

namespace demo {

// How the controls move: the demo's own choice (smooth at the window, ticked in the tour), or as asked.
enum class Motion { Default, Ticks, Smooth };

constexpr int kSmoothFrameMs = 16;  // the controls' animation interval when they move smoothly
constexpr int kTickFrameMs = 50;  // the list's and the vector boxes' ticks (the sliding panel's are twice as long)

struct Options {
    bool help = false;
    bool headless = false;      // --headless
    int scale = 1;              // --scale N: interactive window pixels per screen pixel
    std::string outDir = "out";  // --out DIR
    std::string script;         // --script FILE: played headless instead of the tour
    std::string record;         // --record FILE: interactive pen input saved as a script
    Motion motion = Motion::Default;  // --ticks, --smooth
};

// False with `error` set for an unknown option, a missing or bad value, or a conflict.
bool ParseOptions(int argc, const char* const* argv, Options* options, std::string* error);
const char* Usage();

// The controls' animation interval (ms, 0 for their ticks) at the window or in a headless play.
int AnimationInterval(const Options& options, bool atWindow);

}  // namespace demo
