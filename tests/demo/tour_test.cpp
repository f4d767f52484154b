// The demo headless: the built-in tour against its golden pictures, the animation, the output folder.
#include <gtest/gtest.h>

#include <fstream>

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
