// Gesture scripts: what reads, what is refused and how the refusal is worded.
#include <gtest/gtest.h>

#include "script.h"
#include "support/host_fixture.h"

using demo::ParseScript;
using demo::Script;
using demo::Step;

namespace {

std::string ErrorOf(const std::string& text)
{
    Script script;
    std::string error;
    EXPECT_FALSE(ParseScript(text, "t.txt", &script, &error));
    return error;
}

}  // namespace

TEST(GestureScript, ReadsEveryStepSkippingCommentsBlankLinesAndCarriageReturns)
{
    Script script;
    std::string error;
    ASSERT_TRUE(ParseScript("# tour\r\n\r\ndown 10 20\r\n  move 11 22   # drag\nwait 50\nup 12 23\nshot first-one\n",
                            "t.txt", &script, &error))
        << error;
    ASSERT_EQ(script.size(), 5u);
    EXPECT_EQ(script[0].kind, Step::Kind::Down);
    EXPECT_EQ(script[0].x, 10);
    EXPECT_EQ(script[0].y, 20);
    EXPECT_EQ(script[0].line, 3);
    EXPECT_EQ(script[1].kind, Step::Kind::Move);
    EXPECT_EQ(script[2].ms, 50);
    EXPECT_EQ(script[3].kind, Step::Kind::Up);
    EXPECT_EQ(script[4].name, "first-one");
    EXPECT_EQ(script[4].line, 7);
}

TEST(GestureScript, FormattedStepsReadBackTheSame)
{
    Script script;
    std::string error;
    ASSERT_TRUE(ParseScript("down 1 2\nmove 3 4\nup 5 6\nwait 7\nshot s\n", "t.txt", &script, &error));
    std::string text;
    for (const Step& step : script) text += demo::FormatStep(step) + "\n";
    EXPECT_EQ(text, "down 1 2\nmove 3 4\nup 5 6\nwait 7\nshot s\n");
}

TEST(GestureScript, RefusalsNameTheFileAndLine)
{
    EXPECT_EQ(ErrorOf("wait 10\ntap 3 4\n"), "t.txt:2: unknown command 'tap' (expected down, move, up, wait or shot)");
    EXPECT_EQ(ErrorOf("down 3\n"), "t.txt:1: 'down' takes two numbers: x y");
    EXPECT_EQ(ErrorOf("down 3 4 5\n"), "t.txt:1: 'down' takes two numbers: x y");
    EXPECT_EQ(ErrorOf("\n\ndown -3 4\n"), "t.txt:3: '-3 4' is not a point (two whole numbers from 0 to 32767)");
    EXPECT_EQ(ErrorOf("down 3 4x\n"), "t.txt:1: '3 4x' is not a point (two whole numbers from 0 to 32767)");
    EXPECT_EQ(ErrorOf("down 3 40000\n"), "t.txt:1: '3 40000' is not a point (two whole numbers from 0 to 32767)");
    EXPECT_EQ(ErrorOf("wait\n"), "t.txt:1: 'wait' takes one number: the milliseconds to wait");
    EXPECT_EQ(ErrorOf("wait 999999999999\n"), "t.txt:1: '999999999999' is not a wait from 0 to 600000 ms");
    EXPECT_EQ(ErrorOf("shot\n"), "t.txt:1: 'shot' takes one name");
}

TEST(GestureScript, ShotNamesCannotLeaveTheOutputFolder)
{
    EXPECT_EQ(ErrorOf("shot ../escape\n"), "t.txt:1: '../escape' is not a shot name (letters, digits, - _ .)");
    EXPECT_EQ(ErrorOf("shot a/b\n"), "t.txt:1: 'a/b' is not a shot name (letters, digits, - _ .)");
    EXPECT_EQ(ErrorOf("shot .hidden\n"), "t.txt:1: '.hidden' is not a shot name (letters, digits, - _ .)");
}

TEST(GestureScript, PenStepsMustComeInOrder)
{
    EXPECT_EQ(ErrorOf("move 1 1\n"), "t.txt:1: 'move' while the pen is up");
    EXPECT_EQ(ErrorOf("down 1 1\nup 1 1\nup 1 1\n"), "t.txt:3: 'up' while the pen is up");
    EXPECT_EQ(ErrorOf("down 1 1\ndown 2 2\n"), "t.txt:2: 'down' while the pen is already down");
    EXPECT_EQ(ErrorOf("wait 5\ndown 1 1\nmove 2 2\nwait 5\n"), "t.txt:2: the pen goes down here and never comes up");
}

TEST(GestureScript, AMissingFileIsReported)
{
    Script script;
    std::string error;
    EXPECT_FALSE(demo::LoadScript("/nonexistent/tour.txt", &script, &error));
    EXPECT_EQ(error, "/nonexistent/tour.txt: cannot read the gesture script");
}
