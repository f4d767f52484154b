// Gesture scripts: what reads, what is refused and how the refusal is worded.
#include <gtest/gtest.h>

#include "script.h"
#include "support/host_fixture.h"

namespace {

// Every step formatted, with the line it was read from: "3:down 10 20".
std::string Read(const std::string& text)
{
    demo::Script script;
    std::string error, steps;
    if (!demo::ParseScript(text, "t.txt", &script, &error)) return error;
    for (const demo::Step& step : script) steps += std::to_string(step.line) + ":" + demo::FormatStep(step) + "\n";
    return steps;
}

}  // namespace

TEST(GestureScript, ReadsEveryStepSkippingCommentsBlankLinesAndCarriageReturns)
{
    EXPECT_EQ(Read("# tour\r\n\r\ndown 10 20\r\n  move 11 22   # drag\nwait 50\nup 12 23\nshot first-one\n"),
              "3:down 10 20\n4:move 11 22\n5:wait 50\n6:up 12 23\n7:shot first-one\n");
}

TEST(GestureScript, RefusalsNameTheFileAndLine)
{
    const std::pair<const char*, const char*> refused[] = {
        {"wait 10\ntap 3 4\n", "t.txt:2: unknown command 'tap' (expected down, move, up, wait or shot)"},
        {"down 3\n", "t.txt:1: 'down' takes two numbers: x y"},
        {"down 3 4x\n", "t.txt:1: '3 4x' is not a point (two whole numbers from 0 to 32767)"},
        {"down 3 40000\n", "t.txt:1: '3 40000' is not a point (two whole numbers from 0 to 32767)"},
        {"wait\n", "t.txt:1: 'wait' takes one number: the milliseconds to wait"},
        {"wait 999999999999\n", "t.txt:1: '999999999999' is not a wait from 0 to 600000 ms"},
        {"shot\n", "t.txt:1: 'shot' takes one name"},
        // Shot names cannot leave the output folder.
        {"shot ../escape\n", "t.txt:1: '../escape' is not a shot name (letters, digits, - _ .)"},
        {"shot a/b\n", "t.txt:1: 'a/b' is not a shot name (letters, digits, - _ .)"},
        {"shot .hidden\n", "t.txt:1: '.hidden' is not a shot name (letters, digits, - _ .)"},
        // Pen steps must come in order.
        {"move 1 1\n", "t.txt:1: 'move' while the pen is up"},
        {"down 1 1\ndown 2 2\n", "t.txt:2: 'down' while the pen is already down"},
        {"wait 5\ndown 1 1\nmove 2 2\nwait 5\n", "t.txt:2: the pen goes down here and never comes up"},
    };
    for (auto [text, error] : refused) EXPECT_EQ(Read(text), error) << text;
}
