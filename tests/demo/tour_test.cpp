// The demo headless: the built-in tour against its golden pictures and its capture, the animation, the output folder.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <vector>

#include "app.h"
#include "demo/png_chunks.h"
#include "support/golden.h"
#include "support/host_fixture.h"

namespace {

using DemoTour = HostTest;

// Plays `script` (the built-in tour when empty) with `options`: the error, empty when it played.
std::string Play(const std::string& script, const demo::PlayOptions& options, demo::PlayReport* report = nullptr)
{
    demo::Script steps;
    demo::PlayReport unread;
    std::string error;
    const bool read =
        script.empty() ? demo::LoadBuiltInTour(&steps, &error) : demo::ParseScript(script, "test", &steps, &error);
    if (read && demo::PlayOnMapScreen(steps, options, report ? report : &unread, &error)) return "";
    return error.empty() ? "failed without a word" : error;
}

}  // namespace

// Plays a tour (the built-in one when `path` is empty) into OutputPath(`out`); each shot named in `parts` matches
// its golden picture over that part of the screen. The margin is for emulated ARM builds, far below what a
// misplaced or recoloured control moves.
static std::vector<std::string> PlayTour(const char* path, const char* out, const std::map<std::string, RECT>& parts,
                                         demo::PlayReport* report, bool checkCapture = false)
{
    demo::Script steps;
    demo::PlayOptions options;
    options.outDir = OutputPath(out);
    std::string error;
    EXPECT_TRUE((*path ? demo::LoadScript(path, &steps, &error) : demo::LoadBuiltInTour(&steps, &error)) &&
                demo::PrepareOutputFolder(options.outDir, &error)) << error;
    std::vector<std::string> compared;
    options.onShot = [&](const std::string& name) {
        if (!parts.count(name)) return;
        compared.push_back(name);
        EXPECT_TRUE(MatchesGolden("demo_" + name, parts.at(name), 4, 100));
        if (!checkCapture) return;
        const wincore::ScreenImage shot = wincore::CaptureScreen();  // what the film records: 0x00RRGGBB
        int differing = 0;
        for (int i = 0; i < 800 * 480; i += 7) {
            const COLORREF c = wincore::ScreenPixel(i % 800, i / 800);
            differing += shot.pixels.at(i) != DWORD(RGB(GetBValue(c), GetGValue(c), GetRValue(c)));
        }
        EXPECT_EQ(differing, 0) << name;
    };
    EXPECT_TRUE(demo::PlayOnMapScreen(steps, options, report, &error)) << error;
    return compared;
}

// Every shot of the tour, whole: also the pictures the Win32 tour is compared with.
TEST_F(DemoTour, EveryShotMatchesItsGoldenPicture)
{
    const std::vector<std::string> shots = {"overview", "flick",  "selected", "checked", "combo",
                                            "sliding",  "popup", "panel",    "final"};
    std::map<std::string, RECT> parts;
    for (const std::string& shot : shots) parts[shot] = RECT{0, 0, 800, 480};
    demo::PlayReport report;
    EXPECT_EQ(PlayTour("", "tour", parts, &report, true), shots);
    EXPECT_EQ(report.files.size(), 9u);
}

// The key tour: what keys alone open and pick. Each golden is the part of the screen that the keys changed.
TEST_F(DemoTour, TheKeyTourMatchesItsGoldenPictures)
{
    const std::map<std::string, RECT> parts = {
        {"keys-list", RECT{0, 48, 360, 420}},     // a page down: the selected row in view, the list paged once
        {"keys-combo", RECT{226, 0, 800, 320}},   // the route list open, its second row picked by keys
        {"keys-panel", RECT{0, 0, 360, 480}},     // the sliding menu from F10, an item hot
        {"keys-popup", RECT{226, 0, 800, 420}},   // the pop-up from M at the map's centre
    };
    demo::PlayReport report;
    EXPECT_EQ(PlayTour(RKNAV_TEST_GOLDEN_DIR "/../../demo/tours/keys.txt", "keys", parts, &report),
              (std::vector<std::string>{"keys-list", "keys-combo", "keys-panel", "keys-popup"}));
}

TEST_F(DemoTour, TheAnimationHasAFramePerChange)
{
    demo::PlayOptions options;
    options.outDir = OutputPath("drag");
    options.animationPath = OutputPath("drag-animation.png");
    demo::PlayReport report;
    // A slow drag of the list (no glide), then an unchanging second.
    const char* drag = "wait 100\ndown 180 330\nwait 100\nmove 180 300\nwait 100\nup 180 300\nwait 1000\n";
    ASSERT_EQ(Play(drag, options, &report), "");
    EXPECT_TRUE(report.frames >= 3 && report.frames <= 8) << report.frames;
    EXPECT_EQ(report.files, std::vector<std::string>{options.animationPath});
}

TEST_F(DemoTour, OutputThatCannotBeWrittenIsReported)
{
    demo::PlayOptions options;
    options.outDir = "/nonexistent/folder";
    EXPECT_EQ(Play("shot one\nwait 10\n", options), "/nonexistent/folder/one.png: cannot write the screenshot");
    const std::string file = OutputPath("plain-file");
    std::ofstream(file) << "not a folder";
    std::string error;
    EXPECT_FALSE(demo::PrepareOutputFolder(file + "/out", &error));
    EXPECT_EQ(error.rfind(file + "/out: cannot create the output folder (", 0), 0u) << error;
}

// The whole program headless: --smooth films every 16 ms frame of a glide of the list.
TEST(DemoRun, TheSmoothPlayFilmsEveryFrame)
{
    demo::Options options;
    options.headless = true;
    options.motion = demo::Motion::Smooth;
    options.script = OutputPath("flick.txt");
    options.outDir = OutputPath("run");
    std::ofstream(options.script) << "wait 100\ndown 180 340\nwait 10\nmove 180 316\nwait 10\nmove 180 292\nwait 10\n"
                                     "up 180 292\nwait 1500\n";
    ASSERT_EQ(demo::RunDemo(options), 0);
    int frames = 0;
    for (const PngChunk& c : PngChunks(OutputPath("run/flick-smooth-animation.png")))
        frames += c.type == "fcTL" && BigEndian(&c.data[20], 2) * 1000 == uint32_t(demo::kSmoothFrameMs) * BigEndian(&c.data[22], 2);
    EXPECT_GE(frames, 20);
}
