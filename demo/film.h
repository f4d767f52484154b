// The tour as an animation: a frame whenever the screen changes on the simulated clock, the pen
// drawn where it touches, written as an animated PNG.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include "apng.h"

namespace demo {

class TourFilm {
public:
    // Takes the screen as it is at `now` (ms). A later capture at the same time replaces it;
    // an unchanged screen only makes the current frame last longer.
    void Capture(DWORD now, POINT pen, bool penDown);
    // Holds the last frame a while, then writes the file.
    bool Write(const std::string& path);
    int Frames() const;

private:
    std::unique_ptr<ApngWriter> writer_;
    std::vector<DWORD> pending_;  // the newest frame, whose duration is not known yet
    DWORD pendingTime_ = 0;
};

// Draws a fingertip: a translucent dark disc with a white rim.
void DrawPen(std::vector<DWORD>& pixels, int width, int height, POINT at);

}  // namespace demo
