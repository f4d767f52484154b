// Two pictures of one size compared pixel by pixel; both golden pictures and the Win32 tour use it.
#pragma once

#include <wincore/host.h>

struct PictureDiff {
    int differing = 0;  // pixels where some channel differs by more than the tolerance
    int worst = 0;      // the largest channel difference anywhere
    // The expected picture dimmed to grey, with the differing pixels in red.
    wincore::ScreenImage picture;
};

// Pictures of different sizes differ everywhere (`differing` is the larger pixel count, no picture).
PictureDiff ComparePictures(const wincore::ScreenImage& actual, const wincore::ScreenImage& expected, int tolerance);
