// Recording the pen and keys as a script and reading it back, and the demo's command line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "options.h"
#include "recorder.h"
#include "support/host_fixture.h"

static MSG Pen(UINT message, int x, int y, DWORD time)
{
    return MSG{nullptr, message, 0, 0, time, POINT{x, y}};
}

TEST(ScriptRecorder, WritesPenStepsWithTheWaitsBetweenThemAndReadsBack)
{
    demo::ScriptRecorder recorder;
    recorder.Observe(Pen(WM_MOUSEMOVE, 1, 1, 100));  // pen up: no step
    recorder.Observe(Pen(WM_LBUTTONDOWN, 10, 20, 1000));
    recorder.Observe(Pen(WM_PAINT, 0, 0, 1010));
    recorder.Observe(Pen(WM_MOUSEMOVE, 12, 25, 1016));
    recorder.Observe(Pen(WM_LBUTTONUP, 12, 25, 1016));
    recorder.Observe(Pen(WM_LBUTTONDBLCLK, 12, 25, 1300));
    // Keys between the pen's steps; a key no step names is left out, and the pen still lifts where it was.
    const std::pair<UINT, UINT> keys[] = {{WM_SYSKEYDOWN, VK_F10}, {WM_KEYDOWN, VK_CAPITAL}, {WM_KEYUP, 'M'}};
    for (auto [message, vk] : keys)
        recorder.Observe(MSG{nullptr, message, vk, 0, 1400, POINT{0, 0}});
    std::string path = OutputPath("recorded.txt"), error;
    ASSERT_TRUE(recorder.Save(path, &error)) << error;
    demo::Script script;
    ASSERT_TRUE(demo::LoadScript(path, &script, &error)) << error;
    std::string steps;
    for (const demo::Step& step : script) steps += demo::FormatStep(step) + "\n";
    EXPECT_EQ(steps, "down 10 20\nwait 16\nmove 12 25\nup 12 25\nwait 284\ndown 12 25\nwait 100\nkeydown VK_F10\n"
                     "keyup M\nup 12 25\n");
    EXPECT_FALSE(recorder.Save("/nonexistent/folder/recorded.txt", &error));
    EXPECT_EQ(error, "/nonexistent/folder/recorded.txt: cannot write the recorded script");
}

// Each command line read back as its options (intervals in ms at the window and in the tour), or refused.
TEST(DemoOptions, ReadValuesAndRefuseWhatMakesNoSense)
{
    const struct {
        std::vector<const char*> args;
        const char* read;
    } rows[] = {
        {{"--scale", "2", "--record", "me.txt"}, "scale 2 record me.txt out out headless 0 intervals 16 0"},
        {{"--ticks"}, "scale 1 record  out out headless 0 intervals 0 0"},
        {{"--headless", "--smooth", "--out", "o"}, "scale 1 record  out o headless 1 intervals 16 16"},
        {{"--scale", "0"}, "--scale takes a whole number from 1 to 8, not '0'"},
        {{"--out"}, "--out needs a value"},
    };
    for (const auto& row : rows) {
        std::vector<const char*> argv = {"rknav_demo"};
        argv.insert(argv.end(), row.args.begin(), row.args.end());
        demo::Options o;
        std::string read;
        if (demo::ParseOptions(int(argv.size()), argv.data(), &o, &read))
            read = "scale " + std::to_string(o.scale) + " record " + o.record + " out " + o.outDir + " headless " +
                   std::to_string(o.headless) + " intervals " + std::to_string(demo::AnimationInterval(o, true)) +
                   " " + std::to_string(demo::AnimationInterval(o, false));
        EXPECT_EQ(read, row.read) << row.args[0];
    }
}
