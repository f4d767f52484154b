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
        {"key VK_TAB\nkeydown VK_SHIFT\nkey VK_F10\nkeyup VK_SHIFT\nkey M\nkey 0\nkey VK_F1\nkey VK_NEXT\n",
         "1:key VK_TAB\n2:keydown VK_SHIFT\n3:key VK_F10\n4:keyup VK_SHIFT\n5:key M\n6:key 0\n7:key VK_F1\n8:key VK_NEXT\n"},
        {"wait 10\ntap 3 4\n", "t.txt:2: unknown command 'tap' (expected down, move, up, wait, shot, key, keydown or keyup)"},
        {"key VK_F13\n", "t.txt:1: 'VK_F13' is not a key (a VK_ name such as VK_TAB, a letter or a digit)"},
        {"wait 1\nkeyup m\n", "t.txt:2: 'm' is not a key (a VK_ name such as VK_TAB, a letter or a digit)"},
        {"key\n", "t.txt:1: 'key' takes one key"},
        {"down 3 40000\n", "t.txt:1: '3 40000' is not a point (two whole numbers from 0 to 32767)"},
        {"wait 999999999999\n", "t.txt:1: '999999999999' is not a wait from 0 to 600000 ms"},
        {"shot ../escape\n", "t.txt:1: '../escape' is not a shot name (letters, digits, - _ .)"},
        {"move 1 1\n", "t.txt:1: 'move' while the pen is up"},
        {"wait 5\ndown 1 1\nmove 2 2\nwait 5\n", "t.txt:2: the pen goes down here and never comes up"},
    };
    for (auto [text, read] : rows) EXPECT_EQ(Read(text), read) << text;
}
