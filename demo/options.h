// The demo's command line.
#pragma once

#include <string>

namespace demo {

struct Options {
    bool help = false;
    bool headless = false;      // --headless
    int scale = 1;              // --scale N: interactive window pixels per screen pixel
    std::string outDir = "out";  // --out DIR
    std::string script;         // --script FILE: played headless instead of the tour
    std::string record;         // --record FILE: interactive pen input saved as a script
};

// False with `error` set for an unknown option, a missing or bad value, or a conflict.
bool ParseOptions(int argc, const char* const* argv, Options* options, std::string* error);
const char* Usage();

}  // namespace demo
