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

// Comments, blank lines and carriage returns are skipped; a refusal names the file and line.
TEST(GestureScript, ReadsEveryStepAndRefusalsNameTheFileAndLine)
{
    const std::pair<const char*, const char*> rows[] = {
        {"# tour\r\n\r\ndown 10 20\r\n  move 11 22   # drag\nwait 50\nup 12 23\nshot first-one\n",
         "3:down 10 20\n4:move 11 22\n5:wait 50\n6:up 12 23\n7:shot first-one\n"},
        {"wait 10\ntap 3 4\n", "t.txt:2: unknown command 'tap' (expected down, move, up, wait or shot)"},
        {"down 3 40000\n", "t.txt:1: '3 40000' is not a point (two whole numbers from 0 to 32767)"},
        {"wait 999999999999\n", "t.txt:1: '999999999999' is not a wait from 0 to 600000 ms"},
        {"shot ../escape\n", "t.txt:1: '../escape' is not a shot name (letters, digits, - _ .)"},
        {"move 1 1\n", "t.txt:1: 'move' while the pen is up"},
        {"wait 5\ndown 1 1\nmove 2 2\nwait 5\n", "t.txt:2: the pen goes down here and never comes up"},
    };
    for (auto [text, read] : rows) EXPECT_EQ(Read(text), read) << text;
}
