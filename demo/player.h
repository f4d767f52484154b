// Plays a gesture script on the manual clock against whatever the host has put on the screen,
// saving a screenshot per `shot` and, if asked, the whole run as an animation.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <windows.h>

#include "script.h"

namespace demo {

struct PlayOptions {
    std::string outDir;         // where shots go
    std::string animationPath;  // empty: no animation
    int frameMs = 100;          // the clock runs in steps this long while a script waits
    int animationInterval = 0;  // ms, the controls' (0: their own ticks); PlayOnMapScreen hands it on
    std::function<void(const std::string& name)> onShot;  // after each shot is saved
    std::function<void()> onFrame;  // after each pen or key input and each step of the clock
};

struct PlayReport {
    std::vector<std::string> files;  // shots, then the animation
    int frames = 0;
    DWORD simulatedMs = 0;
};

bool PlayScript(const Script& script, const PlayOptions& options, PlayReport* report, std::string* error);

// Creates the folder if needed and proves that a file can be written there.
bool PrepareOutputFolder(const std::string& dir, std::string* error);

}  // namespace demo
