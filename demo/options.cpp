#include "options.h"

#include <cstring>

namespace demo {

namespace {

constexpr int kLargestScale = 8;

bool Value(int argc, const char* const* argv, int* i, std::string* value, std::string* error)
{
    if (*i + 1 >= argc || argv[*i + 1][0] == '\0') {
        *error = std::string(argv[*i]) + " needs a value";
        return false;
    }
    *value = argv[++*i];
    return true;
}

bool Scale(const std::string& text, int* scale, std::string* error)
{
    bool digits = !text.empty() && text.size() <= 2 && text.find_first_not_of("0123456789") == std::string::npos;
    *scale = digits ? std::stoi(text) : 0;
    if (*scale >= 1 && *scale <= kLargestScale) return true;
    *error = "--scale takes a whole number from 1 to " + std::to_string(kLargestScale) + ", not '" + text + "'";
    return false;
}

}  // namespace

bool ParseOptions(int argc, const char* const* argv, Options* options, std::string* error)
{
    Options parsed;
    for (int i = 1; i < argc; i++) {
        const std::string arg = argv[i];
        std::string value;
        if (arg == "-h" || arg == "--help") {
            parsed.help = true;
        } else if (arg == "--headless") {
            parsed.headless = true;
        } else if (arg == "--scale") {
            if (!Value(argc, argv, &i, &value, error) || !Scale(value, &parsed.scale, error)) return false;
        } else if (arg == "--out") {
            if (!Value(argc, argv, &i, &parsed.outDir, error)) return false;
        } else if (arg == "--script") {
            if (!Value(argc, argv, &i, &parsed.script, error)) return false;
        } else if (arg == "--record") {
            if (!Value(argc, argv, &i, &parsed.record, error)) return false;
        } else if (arg == "--ticks" || arg == "--smooth") {
            Motion asked = arg == "--ticks" ? Motion::Ticks : Motion::Smooth;
            if (parsed.motion != Motion::Default && parsed.motion != asked) {
                *error = "--ticks and --smooth exclude each other";
                return false;
            }
            parsed.motion = asked;
        } else {
            *error = "unknown option '" + arg + "'";
            return false;
        }
    }
    if (!parsed.record.empty() && (parsed.headless || !parsed.script.empty())) {
        *error = "--record records a person at the window: it goes with neither --headless nor --script";
        return false;
    }
    *options = parsed;
    return true;
}

int AnimationInterval(const Options& options, bool atWindow)
{
    bool smooth = options.motion == Motion::Default ? atWindow : options.motion == Motion::Smooth;
    return smooth ? kSmoothFrameMs : 0;
}

const char* Usage()
{
    return "usage: rknav_demo [--scale N] [--record FILE] [--ticks]\n"
           "       rknav_demo --headless [--script FILE] [--out DIR] [--smooth]\n"
           "\n"
           "Without --headless the demo opens a window (scaled N times) and the mouse or a finger is the pen,\n"
           "the keyboard and the mouse wheel the keys; --record saves what the pen and the keys did as a\n"
           "gesture script when the window closes. Where no window can be opened, and with --headless or\n"
           "--script, it plays the built-in tour (or the script) on a simulated clock and writes a PNG per\n"
           "'shot' step and an animated PNG of the run into DIR (default out/).\n"
           "\n"
           "At the window the controls move on 16 ms frames (--ticks: on their own 50 and 100 ms ticks);\n"
           "the tour keeps the ticks, and --smooth plays it on 16 ms frames, each one in the animation.\n"
           "\n"
           "Gesture scripts, one step a line:  down X Y | move X Y | up X Y | key K | keydown K | keyup K |\n"
           "                                   wait MS | shot NAME | # comment   (K: VK_TAB, VK_F10, M, ...)\n";
}

}  // namespace demo
