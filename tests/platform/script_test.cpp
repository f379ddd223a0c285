// The script format: what each line means, and the lines that are refused.
#include "platform/script.h"

#include <gtest/gtest.h>

#include "platform/keys.h"

namespace {

std::vector<ScriptCommand> Parse(const char* text) {
    std::vector<ScriptCommand> commands;
    std::string error;
    EXPECT_TRUE(ParseScript(text, "/base", &commands, &error)) << error;
    return commands;
}

std::string ErrorOf(const char* text) {
    std::vector<ScriptCommand> commands;
    std::string error;
    EXPECT_FALSE(ParseScript(text, "/base", &commands, &error)) << text;
    return error;
}

TEST(Script, ClicksAndKeyTapsReleaseOnTheNextFrame) {
    const auto commands = Parse("# a comment line\n"
                                "5 click\n"
                                "5 key Enter   # taps Enter\n"
                                "6 move 10 -20\n");
    ASSERT_EQ(commands.size(), 5u);
    EXPECT_EQ(commands[0].action, ScriptAction::ButtonDown);
    EXPECT_EQ(commands[1].action, ScriptAction::KeyDown);
    EXPECT_EQ(commands[1].a, kKeyEnter);
    // The releases come first among frame 6's lines, in the order they were written.
    EXPECT_EQ(commands[2].frame, 6);
    EXPECT_EQ(commands[2].action, ScriptAction::ButtonUp);
    EXPECT_EQ(commands[3].action, ScriptAction::KeyUp);
    EXPECT_EQ(commands[4].action, ScriptAction::Move);
    EXPECT_EQ(commands[4].b, -20);
    // An empty script is no script.
    EXPECT_TRUE(Parse("").empty());
    StartScript({});
    EXPECT_FALSE(ScriptIsRunning());
}

// Screenshot paths are taken from the starting folder.
TEST(Script, LinesPlayInFrameOrderAndInWrittenOrderWithinAFrame) {
    const auto commands = Parse("9 quit\n2 keydown S\n4 screenshot shots/menu.png\n2 move 1 1\n"
                                "4 screenshot /abs/x.bmp\n");
    ASSERT_EQ(commands.size(), 5u);
    EXPECT_EQ(commands[0].action, ScriptAction::KeyDown);
    EXPECT_EQ(commands[1].action, ScriptAction::Move);
    EXPECT_EQ(commands[2].path, "/base/shots/menu.png");
    EXPECT_EQ(commands[3].path, "/abs/x.bmp");
    EXPECT_EQ(commands[4].action, ScriptAction::Quit);
}

TEST(Script, BadLinesAreRefusedWithTheirLineNumber) {
    EXPECT_EQ(ErrorOf("1 move 1 2\n\nfoo click\n"),
              "line 3: a line starts with its frame number, 1 or more");
    EXPECT_EQ(ErrorOf("0 click\n"), "line 1: a line starts with its frame number, 1 or more");
    EXPECT_EQ(ErrorOf("1 jump\n"), "line 1: unknown command 'jump'");
    EXPECT_EQ(ErrorOf("1 key Hyper\n"), "line 1: unknown key 'Hyper'");
    EXPECT_EQ(ErrorOf("1 move 5\n"), "line 1: 'move' takes 2 argument(s)");
    EXPECT_EQ(ErrorOf("1 move 5 five\n"), "line 1: move needs two whole-number coordinates");
    EXPECT_EQ(ErrorOf("1 move 5 99999999999999999999\n"),
              "line 1: move needs two whole-number coordinates");
    EXPECT_EQ(ErrorOf("1 click thumb\n"), "line 1: 'click' takes one of left, right, middle");
    EXPECT_EQ(ErrorOf("1 screenshot shot.jpg\n"),
              "line 1: screenshot takes one file name ending in .png or .bmp");
}

} // namespace
