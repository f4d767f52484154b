// The demo's two ways of running: at a window with a person, or headless playing a script.
#pragma once

#include <string>

#include "options.h"
#include "player.h"
#include "script.h"

namespace demo {

// The tour built into the executable (tours/tour.txt).
bool LoadBuiltInTour(Script* script, std::string* error);

// Puts the map screen up on the running host, plays `script` against it and takes it down.
bool PlayOnMapScreen(const Script& script, const PlayOptions& options, PlayReport* report, std::string* error);

// The whole program after the command line: returns the exit code.
int RunDemo(const Options& options);

}  // namespace demo
