// The demo headless: the built-in tour against its golden pictures, the animation, the output folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <vector>

#include "app.h"
#include "demo/png_chunks.h"
#include "support/golden.h"
#include "support/host_fixture.h"

namespace {

class DemoTour : public HostTest {};

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

// The screen at each shot of `script`, played with the controls at `interval` ms.
std::map<std::string, std::vector<DWORD>> Screens(const std::string& script, int interval)
{
    demo::PlayOptions options;
    options.outDir = OutputPath("motion");
    options.animationInterval = interval;
    std::map<std::string, std::vector<DWORD>> screens;
    options.onShot = [&](const std::string& name) { screens[name] = wincore::CaptureScreen().pixels; };
    std::string error;
    EXPECT_TRUE(demo::PrepareOutputFolder(options.outDir, &error)) << error;
    EXPECT_EQ(Play(script, options), "");
    return screens;
}

size_t Differing(const std::vector<DWORD>& one, const std::vector<DWORD>& other)
{
    if (one.size() != other.size()) return std::max(one.size(), other.size());
    size_t count = 0;
    for (size_t i = 0; i < one.size(); i++) count += one[i] != other[i];
    return count;
}

// How many frames of the animated PNG at `path` are shown for `ms`.
int FramesLasting(const std::string& path, int ms)
{
    int count = 0;
    for (const PngChunk& c : PngChunks(path))
        count += c.type == "fcTL" && BigEndian(&c.data[20], 2) * 1000 == uint32_t(ms) * BigEndian(&c.data[22], 2);
    return count;
}

}  // namespace

TEST_F(DemoTour, KeyStepsMatchTheirGoldenPictures)
{
    demo::PlayOptions options;
    options.outDir = OutputPath("tour");
    std::string error;
    ASSERT_TRUE(demo::PrepareOutputFolder(options.outDir, &error)) << error;
    std::vector<std::string> compared;
    options.onShot = [&](const std::string& name) {
        if (name != "checked" && name != "combo" && name != "popup" && name != "panel") return;
        compared.push_back(name);
        // Pixel for pixel the same on x86-64 with the fonts and libraries of tests/golden/README.md;
        // the margin is for emulated ARM builds, far below what a misplaced or recoloured control moves.
        EXPECT_TRUE(MatchesGolden("demo_" + name, RECT{0, 0, 800, 480}, 4, 100));
    };
    demo::PlayReport report;
    ASSERT_EQ(Play("", options, &report), "");
    EXPECT_EQ(compared, (std::vector<std::string>{"checked", "combo", "popup", "panel"}));
    EXPECT_EQ(report.files.size(), 9u);
    EXPECT_GT(report.simulatedMs, 10000u);
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
    EXPECT_EQ(report.simulatedMs, 1300u);
    EXPECT_GE(report.frames, 3);
    EXPECT_LE(report.frames, 8);
    ASSERT_EQ(report.files, std::vector<std::string>{options.animationPath});
    const std::vector<PngChunk> chunks = PngChunks(options.animationPath);
    EXPECT_EQ(std::count_if(chunks.begin(), chunks.end(), [](const PngChunk& c) { return c.type == "fcTL"; }),
              report.frames);
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
    EXPECT_TRUE(demo::PrepareOutputFolder(OutputPath("fresh/out"), &error)) << error;
}

constexpr const char* kFlick = "down 180 340\nwait 10\nmove 180 316\nwait 10\nmove 180 292\nwait 10\nup 180 292\n";

// Each movement on the screen, smooth and ticked: part way the smooth one has already moved (the
// interval reached that control, and the menu opened after it was set), and both end alike but for
// the sliding panel's rounded corners, which keep what the screen showed of the last frames.
TEST_F(DemoTour, TheIntervalReachesEveryMovingControl)
{
    constexpr size_t kCornerPixels = 16;
    const std::pair<const char*, std::string> movements[] = {
        {"list glide", kFlick + std::string("wait 30\n")},
        {"zoom slide", "down 355 450\nup 355 450\nwait 20\n"},
        {"sliding panel", "down 66 450\nwait 90\nup 66 450\nwait 20\n"},
    };
    for (const auto& [name, gesture] : movements) {
        const std::string script = "wait 100\n" + gesture + "shot part\nwait 2500\nshot rest\n";
        auto ticked = Screens(script, 0), smooth = Screens(script, demo::kSmoothFrameMs);
        EXPECT_GT(Differing(ticked["part"], smooth["part"]), kCornerPixels) << name;
        EXPECT_LE(Differing(ticked["rest"], smooth["rest"]), kCornerPixels) << name;
    }
}

// The whole program headless: --smooth films every 16 ms frame of a glide, the ticked play none.
TEST(DemoRun, TheSmoothPlayFilmsEveryFrame)
{
    demo::Options options;
    options.headless = true;
    options.script = OutputPath("flick.txt");
    options.outDir = OutputPath("run");
    std::ofstream(options.script) << "wait 100\n" << kFlick << "wait 1500\n";
    for (demo::Motion motion : {demo::Motion::Default, demo::Motion::Smooth}) {
        options.motion = motion;
        ASSERT_EQ(demo::RunDemo(options), 0);
    }
    EXPECT_EQ(FramesLasting(OutputPath("run/flick-animation.png"), demo::kSmoothFrameMs), 0);
    EXPECT_GE(FramesLasting(OutputPath("run/flick-smooth-animation.png"), demo::kSmoothFrameMs), 20);
}
