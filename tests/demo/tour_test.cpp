// The demo headless: the built-in tour against its golden pictures, the animation, the output folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <vector>

#include "app.h"
#include "support/golden.h"
#include "support/host_fixture.h"

namespace {

class DemoTour : public HostTest {};

demo::Script Parse(const std::string& text)
{
    demo::Script script;
    std::string error;
    EXPECT_TRUE(demo::ParseScript(text, "test", &script, &error)) << error;
    return script;
}

// The screen at each shot of `script`, played with the controls at `interval` ms.
std::map<std::string, std::vector<DWORD>> Screens(const std::string& script, int interval)
{
    demo::PlayOptions options;
    options.outDir = OutputPath("motion");
    options.animationInterval = interval;
    std::map<std::string, std::vector<DWORD>> screens;
    options.onShot = [&](const std::string& name) { screens[name] = wincore::CaptureScreen().pixels; };
    demo::PlayReport report;
    std::string error;
    EXPECT_TRUE(demo::PrepareOutputFolder(options.outDir, &error)) << error;
    EXPECT_TRUE(demo::PlayOnMapScreen(Parse(script), options, &report, &error)) << error;
    return screens;
}

size_t Differing(const std::vector<DWORD>& one, const std::vector<DWORD>& other)
{
    if (one.size() != other.size()) return std::max(one.size(), other.size());
    size_t count = 0;
    for (size_t i = 0; i < one.size(); i++) count += one[i] != other[i];
    return count;
}

uint32_t BigEndian(const std::string& bytes, size_t at, int size)
{
    uint32_t value = 0;
    for (int i = 0; i < size; i++) value = value << 8 | static_cast<unsigned char>(bytes[at + size_t(i)]);
    return value;
}

// How many frames of the animated PNG at `path` are shown for `ms`.
int FramesLasting(const std::string& path, int ms)
{
    std::ifstream in(path, std::ios::binary);
    const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    int count = 0;
    for (size_t at = 8; at + 12 <= file.size(); at += 12 + BigEndian(file, at, 4)) {
        if (file.compare(at + 4, 4, "fcTL") != 0) continue;
        const size_t delay = at + 8 + 20;  // after the sequence number, the size and the offset
        count += BigEndian(file, delay, 2) * 1000 == uint32_t(ms) * BigEndian(file, delay + 2, 2);
    }
    return count;
}

}  // namespace

TEST_F(DemoTour, KeyStepsMatchTheirGoldenPictures)
{
    demo::Script script;
    std::string error;
    ASSERT_TRUE(demo::LoadBuiltInTour(&script, &error)) << error;
    demo::PlayOptions options;
    options.outDir = OutputPath("tour");
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
    ASSERT_TRUE(demo::PlayOnMapScreen(script, options, &report, &error)) << error;
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
    std::string error;
    // A slow drag of the list (no glide), then an unchanging second.
    demo::Script script = Parse("wait 100\ndown 180 330\nwait 100\nmove 180 300\nwait 100\nup 180 300\nwait 1000\n");
    ASSERT_TRUE(demo::PlayOnMapScreen(script, options, &report, &error)) << error;
    EXPECT_EQ(report.simulatedMs, 1300u);
    EXPECT_GE(report.frames, 3);
    EXPECT_LE(report.frames, 8);
    ASSERT_EQ(report.files, std::vector<std::string>{options.animationPath});
    EXPECT_TRUE(std::ifstream(options.animationPath).good());
}

TEST_F(DemoTour, AShotThatCannotBeWrittenStopsThePlay)
{
    demo::PlayOptions options;
    options.outDir = "/nonexistent/folder";
    demo::PlayReport report;
    std::string error;
    EXPECT_FALSE(demo::PlayOnMapScreen(Parse("shot one\nwait 10\n"), options, &report, &error));
    EXPECT_EQ(error, "/nonexistent/folder/one.png: cannot write the screenshot");
}

TEST(DemoOutput, AFolderThatCannotBeMadeIsReported)
{
    std::string file = OutputPath("plain-file");
    std::ofstream(file) << "not a folder";
    std::string error;
    EXPECT_FALSE(demo::PrepareOutputFolder(file + "/out", &error));
    EXPECT_EQ(error.rfind(file + "/out: cannot create the output folder (", 0), 0u) << error;
    EXPECT_TRUE(demo::PrepareOutputFolder(OutputPath("fresh/out"), &error)) << error;
}

// Each movement on the screen, smooth and ticked: part way the smooth one has already moved (the
// interval reached that control, and the menu opened after it was set), and both end alike but for
// the sliding panel's rounded corners, which keep what the screen showed of the last frames.
TEST_F(DemoTour, TheIntervalReachesEveryMovingControl)
{
    constexpr size_t kCornerPixels = 16;
    const struct {
        const char* name;
        const char* gesture;
        int partWayMs;
    } movements[] = {
        {"list glide", "down 180 340\nwait 10\nmove 180 316\nwait 10\nmove 180 292\nwait 10\nup 180 292\n", 30},
        {"zoom slide", "down 355 450\nup 355 450\n", 20},
        {"mode slide", "down 612 450\nup 612 450\n", 20},
        {"sliding panel", "down 66 450\nwait 90\nup 66 450\n", 20},
    };
    for (const auto& movement : movements) {
        const std::string script = std::string("wait 100\n") + movement.gesture + "wait " +
                                   std::to_string(movement.partWayMs) + "\nshot part\nwait 2500\nshot rest\n";
        auto ticked = Screens(script, 0);
        auto smooth = Screens(script, demo::kSmoothFrameMs);
        EXPECT_GT(Differing(ticked["part"], smooth["part"]), kCornerPixels) << movement.name;
        EXPECT_LE(Differing(ticked["rest"], smooth["rest"]), kCornerPixels) << movement.name;
    }
}

// The whole program headless: --smooth films every 16 ms frame of a glide, the ticked play none.
TEST(DemoRun, TheSmoothPlayFilmsEveryFrame)
{
    const std::string script = OutputPath("flick.txt");
    std::ofstream(script) << "wait 100\ndown 180 340\nwait 10\nmove 180 316\nwait 10\nmove 180 292\nwait 10\n"
                             "up 180 292\nwait 1500\n";
    for (demo::Motion motion : {demo::Motion::Default, demo::Motion::Smooth}) {
        demo::Options options;
        options.headless = true;
        options.script = script;
        options.outDir = OutputPath("run");
        options.motion = motion;
        ASSERT_EQ(demo::RunDemo(options), 0);
    }
    EXPECT_EQ(FramesLasting(OutputPath("run/flick-animation.png"), demo::kSmoothFrameMs), 0);
    EXPECT_GE(FramesLasting(OutputPath("run/flick-smooth-animation.png"), demo::kSmoothFrameMs), 20);
}
