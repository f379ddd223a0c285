// How to play: F1 stands the game still under its plate until a key or a click, which does
// nothing else; a headless run whose script has ended is not left in it.
#include <gtest/gtest.h>

#include "platform/display.h"
#include "platform/events.h"
#include "tests/test_support.h"

namespace {

// Two players name themselves and the card's clock runs; the cursor rests on runner 3's number.
constexpr const char* kToTheCard = "2 keydown S\n4 keyup S\n8 move 47 210\n8 click\n"
                                   "12 move 417 288\n12 click\n14 type Alice\n15 key Tab\n"
                                   "15 type Bob\n16 key Enter\n30 move 160 310\n";

GameRun PlayOnCard(const std::string& lines) {
    const ScratchFolder data;
    PrepareGameDataFolder(data.path());
    return PlayScript(data.path(), kToTheCard + lines, "--seed 7 --fixed-fps 60");
}

std::string Shot(const ScratchFolder& folder, int frame, const char* name) {
    return std::to_string(frame) + " screenshot " + folder.File(name) + "\n";
}

TEST(Help, TheGameStandsStillUnderItUntilAKeyOrAClickClosesIt) {
    const ScratchFolder folder;
    // Open from frame 150 until F1, pressed again, is let go (300 frames), then from 700 to the
    // click's release (50): neither opens the help anew nor bets on runner 3 under the cursor.
    const GameRun withHelp =
        PlayOnCard("150 key F1\n" + Shot(folder, 200, "open.bmp") + Shot(folder, 400, "still.bmp") +
                   "450 key F1\n" + Shot(folder, 600, "after1.bmp") + "700 key F1\n750 click\n" +
                   Shot(folder, 800, "after2.bmp") + "801 quit\n");
    ASSERT_EQ(withHelp.status, 0) << withHelp.output;
    const GameRun without =
        PlayOnCard(Shot(folder, 149, "under.bmp") + Shot(folder, 300, "plain1.bmp") +
                   Shot(folder, 450, "plain2.bmp") + "451 quit\n");
    ASSERT_EQ(without.status, 0) << without.output;

    const std::vector<uint8_t> open = ReadBytes(folder.File("open.bmp"));
    ASSERT_EQ(open.size(), 54u + 800u * 600u * 3u);
    EXPECT_EQ(ReadBytes(folder.File("still.bmp")), open);
    EXPECT_NE(ReadBytes(folder.File("under.bmp")), open);
    // Clock, odds, milling and frame rate pick up exactly where they stood.
    EXPECT_EQ(ReadBytes(folder.File("after1.bmp")), ReadBytes(folder.File("plain1.bmp")));
    EXPECT_EQ(ReadBytes(folder.File("after2.bmp")), ReadBytes(folder.File("plain2.bmp")));
}

TEST(Help, AHeadlessRunWhoseScriptHasEndedIsNotLeftInIt) {
    const ScratchFolder folder;
    PrepareGameDataFolder(folder.path());
    testing::internal::CaptureStdout();
    // The game goes on past the help, to be ended from outside.
    const int status =
        PlayInProcess(folder.path(), std::string(kToTheCard) + "150 key F1\n", 7, [] {
            if (PresentedFrameCount() >= 200) {
                PostQuitMessage(0);
            }
        });
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_EQ(status, 0) << said;
    EXPECT_NE(said.find("the script has ended during a wait for any key: the wait ends"),
              std::string::npos)
        << said;
}

} // namespace
