#include "support/golden.h"

#include <png.h>

#include <cstdlib>
#include <vector>

#include <wincore/host.h>

#include "support/host_fixture.h"

namespace {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<png_byte> rgb;
};

Picture FromScreen(const RECT& area)
{
    Picture picture;
    picture.width = area.right - area.left;
    picture.height = area.bottom - area.top;
    picture.rgb.reserve(size_t(picture.width) * picture.height * 3);
    for (int y = area.top; y < area.bottom; y++)
        for (int x = area.left; x < area.right; x++) {
            COLORREF c = wincore::ScreenPixel(x, y);
            picture.rgb.push_back(GetRValue(c));
            picture.rgb.push_back(GetGValue(c));
            picture.rgb.push_back(GetBValue(c));
        }
    return picture;
}

bool Write(const Picture& picture, const std::string& path)
{
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(picture.width);
    image.height = png_uint_32(picture.height);
    image.format = PNG_FORMAT_RGB;
    return png_image_write_to_file(&image, path.c_str(), 0, picture.rgb.data(), picture.width * 3, nullptr) != 0;
}

bool Read(const std::string& path, Picture& picture)
{
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGB;
    picture.width = int(image.width);
    picture.height = int(image.height);
    picture.rgb.resize(PNG_IMAGE_SIZE(image));
    bool ok = png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return ok;
}

std::string GoldenPath(const std::string& name)
{
    return std::string(RKNAV_TEST_GOLDEN_DIR) + "/" + name + ".png";
}

}  // namespace

::testing::AssertionResult MatchesGolden(const std::string& name, RECT area, int tolerance, int maxBadPixels)
{
    const std::string path = GoldenPath(name);
    const char* update = std::getenv("RKNAV_UPDATE_GOLDEN");
    Picture actual = FromScreen(area), golden;
    if (update && std::string(update) == "1") {
        if (Write(actual, path)) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "cannot write golden " << name;
    }
    if (!Read(path, golden)) {
        Write(actual, OutputPath(name + ".actual.png"));
        return ::testing::AssertionFailure() << "no picture " << path << " (RKNAV_UPDATE_GOLDEN=1 creates it)";
    }
    if (golden.width != actual.width || golden.height != actual.height)
        return ::testing::AssertionFailure() << name << ": golden is " << golden.width << "x" << golden.height
                                             << ", actual " << actual.width << "x" << actual.height;
    Picture diff = actual;
    int bad = 0, worst = 0;
    for (size_t i = 0; i < actual.rgb.size(); i += 3) {
        int d = 0;
        for (int c = 0; c < 3; c++) d = std::max(d, std::abs(int(actual.rgb[i + c]) - int(golden.rgb[i + c])));
        worst = std::max(worst, d);
        bad += d > tolerance;
        png_byte shade = png_byte(d > tolerance ? 255 : d * 4 > 255 ? 255 : d * 4);
        diff.rgb[i] = shade;
        diff.rgb[i + 1] = diff.rgb[i + 2] = png_byte(d > tolerance ? 0 : shade);
    }
    if (bad <= maxBadPixels) return ::testing::AssertionSuccess();
    Write(actual, OutputPath(name + ".actual.png"));
    Write(diff, OutputPath(name + ".diff.png"));
    return ::testing::AssertionFailure() << name << ": " << bad << " pixels differ by more than " << tolerance
                                         << " (worst " << worst << "); see " << OutputPath(name + ".diff.png");
}
