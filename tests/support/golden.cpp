#include "support/golden.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include <wincore/host.h>

#include "support/host_fixture.h"
#include "support/picture_diff.h"

namespace {

// The area of the composed screen, clipped to it.
wincore::ScreenImage FromScreen(const RECT& area)
{
    const wincore::ScreenImage screen = wincore::CaptureScreen();
    const RECT part = {std::max(area.left, LONG(0)), std::max(area.top, LONG(0)), std::min(area.right, LONG(screen.width)),
                       std::min(area.bottom, LONG(screen.height))};
    wincore::ScreenImage picture;
    picture.width = std::max(part.right - part.left, LONG(0));
    picture.height = std::max(part.bottom - part.top, LONG(0));
    for (int y = part.top; y < part.top + picture.height; y++) {
        const auto row = screen.pixels.begin() + ptrdiff_t(y) * screen.width;
        picture.pixels.insert(picture.pixels.end(), row + part.left, row + part.left + picture.width);
    }
    return picture;
}

std::string GoldenPath(const std::string& name)
{
    return std::string(RKNAV_TEST_GOLDEN_DIR) + "/" + name + ".png";
}

}  // namespace

::testing::AssertionResult MatchesGolden(const std::string& name, RECT area, int tolerance, int maxBadPixels)
{
    const std::string path = GoldenPath(name), actualPath = OutputPath(name + ".actual.png");
    const char* update = std::getenv("RKNAV_UPDATE_GOLDEN");
    wincore::ScreenImage actual = FromScreen(area), golden;
    if (update && std::string(update) == "1") {
        if (wincore::SavePng(path.c_str(), actual)) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "cannot write golden " << name;
    }
    if (!wincore::LoadPng(path.c_str(), &golden)) {
        wincore::SavePng(actualPath.c_str(), actual);
        return ::testing::AssertionFailure() << "no picture " << path << " (RKNAV_UPDATE_GOLDEN=1 creates it)";
    }
    if (golden.width != actual.width || golden.height != actual.height)
        return ::testing::AssertionFailure() << name << ": golden is " << golden.width << "x" << golden.height
                                             << ", actual " << actual.width << "x" << actual.height;
    const PictureDiff diff = ComparePictures(actual, golden, tolerance);
    if (diff.differing <= maxBadPixels) return ::testing::AssertionSuccess();
    const std::string diffPath = OutputPath(name + ".diff.png");
    wincore::SavePng(actualPath.c_str(), actual);
    wincore::SavePng(diffPath.c_str(), diff.picture);
    return ::testing::AssertionFailure() << name << ": " << diff.differing << " pixels differ by more than "
                                         << tolerance << " (worst " << diff.worst << "); see " << diffPath;
}
