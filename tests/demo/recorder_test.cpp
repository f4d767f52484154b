// Recording the pen as a script, and the demo's command line.
#include <gtest/gtest.h>

#include <fstream>

#include "options.h"
#include "recorder.h"
#include "support/host_fixture.h"

namespace {

MSG Pen(UINT message, int x, int y, DWORD time)
{
    MSG msg = {};
    msg.message = message;
    msg.time = time;
    msg.pt = POINT{x, y};
    return msg;
}

std::string Read(const std::string& path)
{
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(ScriptRecorder, WritesPenStepsWithTheWaitsBetweenThemAndReadsBack)
{
    demo::ScriptRecorder recorder;
    recorder.Observe(Pen(WM_MOUSEMOVE, 1, 1, 100));  // pen up: no step
    recorder.Observe(Pen(WM_LBUTTONDOWN, 10, 20, 1000));
    recorder.Observe(Pen(WM_PAINT, 0, 0, 1010));
    recorder.Observe(Pen(WM_MOUSEMOVE, 12, 25, 1016));
    recorder.Observe(Pen(WM_LBUTTONUP, 12, 25, 1016));
    recorder.Observe(Pen(WM_LBUTTONDBLCLK, 12, 25, 1300));
    std::string path = OutputPath("recorded.txt"), error;
    ASSERT_TRUE(recorder.Save(path, &error)) << error;
    std::string text = Read(path);
    EXPECT_EQ(text.substr(text.find('\n') + 1),
              "down 10 20\nwait 16\nmove 12 25\nup 12 25\nwait 284\ndown 12 25\nup 12 25\n");
    demo::Script script;
    EXPECT_TRUE(demo::LoadScript(path, &script, &error)) << error;
}

TEST(ScriptRecorder, AnUnwritableFileIsReported)
{
    demo::ScriptRecorder recorder;
    std::string error;
    EXPECT_FALSE(recorder.Save("/nonexistent/folder/recorded.txt", &error));
    EXPECT_EQ(error, "/nonexistent/folder/recorded.txt: cannot write the recorded script");
}

TEST(DemoOptions, ReadsValuesAndRefusesWhatMakesNoSense)
{
    const char* good[] = {"rknav_demo", "--scale", "2", "--record", "me.txt"};
    demo::Options options;
    std::string error;
    ASSERT_TRUE(demo::ParseOptions(5, good, &options, &error)) << error;
    EXPECT_EQ(options.scale, 2);
    EXPECT_EQ(options.record, "me.txt");
    EXPECT_EQ(options.outDir, "out");
    EXPECT_FALSE(options.headless);

    const std::pair<std::vector<const char*>, const char*> refused[] = {
        {{"rknav_demo", "--scale", "0"}, "--scale takes a whole number from 1 to 8, not '0'"},
        {{"rknav_demo", "--out"}, "--out needs a value"},
        {{"rknav_demo", "--fast"}, "unknown option '--fast'"},
        {{"rknav_demo", "--headless", "--record", "x.txt"},
         "--record records a person at the window: it goes with neither --headless nor --script"},
        {{"rknav_demo", "--ticks", "--smooth"}, "--ticks and --smooth exclude each other"},
        {{"rknav_demo", "--headless", "--smooth", "--ticks"}, "--ticks and --smooth exclude each other"},
    };
    for (const auto& [args, message] : refused) {
        error.clear();
        EXPECT_FALSE(demo::ParseOptions(int(args.size()), args.data(), &options, &error)) << args[1];
        EXPECT_EQ(error, message);
    }
}

TEST(DemoOptions, SmoothAtTheWindowTickedInTheTourUnlessAsked)
{
    const struct {
        std::vector<const char*> args;
        int atWindow, headless;  // ms
    } cases[] = {
        {{"rknav_demo"}, demo::kSmoothFrameMs, 0},
        {{"rknav_demo", "--ticks"}, 0, 0},
        {{"rknav_demo", "--smooth", "--smooth"}, demo::kSmoothFrameMs, demo::kSmoothFrameMs},
        {{"rknav_demo", "--headless", "--smooth"}, demo::kSmoothFrameMs, demo::kSmoothFrameMs},
    };
    for (const auto& c : cases) {
        demo::Options options;
        std::string error;
        ASSERT_TRUE(demo::ParseOptions(int(c.args.size()), c.args.data(), &options, &error)) << error;
        EXPECT_EQ(demo::AnimationInterval(options, true), c.atWindow) << c.args.back();
        EXPECT_EQ(demo::AnimationInterval(options, false), c.headless) << c.args.back();
    }
}
