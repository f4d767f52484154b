// Golden pictures: a region of the composed screen compared with tests/golden/<name>.png.
// On a mismatch the actual picture and a difference picture are written to the build folder
// (tests/output/<name>.actual.png and .diff.png). With RKNAV_UPDATE_GOLDEN=1 in the environment
// the golden file is (re)written from the screen instead.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include <windows.h>

// `tolerance`: the largest difference allowed in any channel of any pixel; `maxBadPixels`: how
// many pixels may exceed it (antialiased text differs slightly between font versions).
::testing::AssertionResult MatchesGolden(const std::string& name, RECT area, int tolerance = 8,
                                         int maxBadPixels = 0);
