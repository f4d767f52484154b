// Gesture scripts: what the pen and the keys do and when, one step a line.
//   down X Y | move X Y | up X Y   pen input in screen coordinates
//   key K | keydown K | keyup K    a key pressed and released, pressed, released (VK_TAB, M, ...)
//   wait MS                        let the clock run
//   shot NAME                      save the screen as NAME.png
//   # ...                          a comment; blank lines are ignored
#pragma once

#include <string>
#include <vector>

#include <windows.h>

namespace demo {

struct Step {
    enum class Kind { Down, Move, Up, Wait, Shot, Key, KeyDown, KeyUp };
    Kind kind = Kind::Wait;
    int x = 0;
    int y = 0;
    int ms = 0;
    UINT vk = 0;       // the key steps' virtual-key code
    std::string name;  // shot
    int line = 0;      // where the step was read, for messages
};

using Script = std::vector<Step>;

constexpr int kLongestWait = 600000;  // ms
constexpr int kLargestCoordinate = 32767;

// On failure `error` reads "<source>:<line>: <what is wrong>".
bool ParseScript(const std::string& text, const std::string& source, Script* script, std::string* error);
bool LoadScript(const std::string& path, Script* script, std::string* error);

// The line that reads back as `step`.
std::string FormatStep(const Step& step);

}  // namespace demo
