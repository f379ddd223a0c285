// The game's dialogs answered by script: names, stake limits, refunds and refusals. What a
// whole race day types into them is the race-day flow's to check.
#include "shell/dialog_procedure.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "core/game_state.h"
#include "core/settings_file.h"
#include "platform/display.h"
#include "raceday/race_card.h"
#include "raceday/race_day.h"
#include "results/top_players.h"
#include "shell/game_reset.h"
#include "tests/test_support.h"

namespace {

class DialogProcedureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetGameState();
        currentDay = 5;
        currentMonth = 3;
        currentYear = 2002;
        raceOfDay = 2;
        daysToStakes = 4;
        SwitchScreen(kStatePlayers);
        PrepareGameDataFolder(folder.path());
        inFolder = std::make_unique<WorkingDirectory>(folder.path());
        ASSERT_EQ(OpenGameWindow("Stridewell", true), 1);
        ASSERT_EQ(InitDisplay(kScreenWidth, kScreenHeight, 16), 1);
        SetFramePacing(false);
    }
    void TearDown() override {
        inFolder.reset();
        ResetGameState();
    }
    ScratchFolder folder;
    std::unique_ptr<WorkingDirectory> inFolder;
    // Plays script lines whose frames count from the next picture on, and returns what the
    // run wrote to its transcript.
    std::string Answer(const std::string& lines, void (*open)()) {
        StartScriptFromNextFrame(lines);
        testing::internal::CaptureStdout();
        open();
        return testing::internal::GetCapturedStdout();
    }
    static void Names1() { OpenNamesDialog(1); }
    static void Bet() { OpenBetDialog(); }
    std::string BetOf(const char* amount, const char* type = "3000") {
        return Answer(std::string("1 button ") + type + "\n1 type " + amount + "\n2 key Enter\n",
                      Bet);
    }
};

// A name taken starts the game afresh: a thousand dollars, no bet left from before.
TEST_F(DialogProcedureTest, ANameIsTakenAsTypedOrRefusedWithItsReason) {
    const char* const kTooLong = "Player1's name is too long to be saved (27 bytes at most; "
                                 "letters such as é or 王 take 2 to 4 bytes each).";
    const char* const kLength = "Player1's name must be between 1 and 11 characters.";
    const struct {
        const char* typed;
        const char* refusal; // null when taken
    } kNames[] = {
        {"Bartholomew", nullptr},
        {"Zoë Åberg", nullptr}, // characters, not bytes
        {"王", nullptr},        // one character, the fewest
        {"🐎Zo", nullptr},
        {"王語語語語語語語語", nullptr}, // 27 bytes, the room a name has in the saved game
        {"🐎🐎🐎🐎🐎🐎🐎", kTooLong},
        {"Bartholomew1", kLength},
        {"", kLength},
        {"Zo\U0010FFFD", "Player1's name has a character that no installed font can show "
                         "(U+10FFFD). Please leave it out."},
    };
    for (const auto& name : kNames) {
        SwitchScreen(kStatePlayers);
        Player(1).name[0] = '\0';
        Player(1).betDay = currentDay;
        Player(1).betAmount = 50;
        Player(1).money = 7;
        numPlayers = 4;
        raceDay.currentPlayer = 4;
        const std::string typed =
            name.typed[0] != '\0' ? std::string("1 type ") + name.typed + "\n" : "";
        const std::string said = Answer(
            typed + "2 key Enter\n" + (name.refusal != nullptr ? "3 key Escape\n" : ""), Names1);
        if (name.refusal == nullptr) {
            EXPECT_STREQ(Player(1).name, name.typed);
            EXPECT_EQ(gameState, kStateRaceCard) << said;
            EXPECT_EQ(Player(1).money, 1000);
            EXPECT_EQ(Player(1).betAmount, 0);
            EXPECT_EQ(Player(1).betDay, kNoBetDay);
            EXPECT_EQ(numPlayers, 1);
            EXPECT_EQ(raceDay.currentPlayer, 1);
            EXPECT_EQ(loadedRace, 0);
            TopPlayerEntry saved[kTopPlayerCount] = {};
            UpdateTopPlayers(saved, Player(1).name, 5000);
            EXPECT_STREQ(saved[0].name, name.typed);
        } else {
            EXPECT_NE(said.find(std::string("box \"Name error\": ") + name.refusal),
                      std::string::npos)
                << said;
            EXPECT_EQ(gameState, kStatePlayers);
            EXPECT_EQ(numPlayers, 4);
        }
    }
}

TEST_F(DialogProcedureTest, StakesAreKeptBetweenTwoAndAThousandExceptOnStakesDays) {
    Player(1).money = 100000;
    const struct {
        const char* typed;
        int days;
        int32_t staked;
    } kCases[] = {{"0", 4, 2}, {"5000", 4, 1000}, {"5000", 0, 5000}, {" 25 ", 4, 25}};
    for (const auto& bet : kCases) {
        daysToStakes = bet.days;
        ++raceOfDay; // a fresh race each time: nothing to refund
        const int32_t before = Player(1).money;
        BetOf(bet.typed);
        EXPECT_EQ(Player(1).betAmount, bet.staked) << bet.typed;
        EXPECT_EQ(Player(1).money, before - bet.staked) << bet.typed;
    }
}

TEST_F(DialogProcedureTest, ARebetRefundsTheStandingStakeFirst) {
    Player(1).money = 500;
    BetOf("400");
    EXPECT_EQ(Player(1).money, 100);
    BetOf("500"); // the 400 comes back first, so 500 is there
    EXPECT_EQ(Player(1).money, 0);
    EXPECT_EQ(Player(1).betAmount, 500);
    const std::string said = Answer("1 type 501\n2 key Enter\n3 key Escape\n", Bet);
    EXPECT_NE(said.find("box \"Amount Error\": You don't have that much money."),
              std::string::npos);
    EXPECT_EQ(Player(1).money, 500); // the refused re-bet cancelled the old one
    EXPECT_EQ(Player(1).betAmount, 0);
    EXPECT_FALSE(BetIsOnCurrentRace(Player(1)));
}

TEST_F(DialogProcedureTest, ABetWithoutItsTypeIsRefused) {
    Player(1).money = 50;
    const std::string said = Answer("1 type 10\n2 key Enter\n3 key Escape\n", Bet);
    EXPECT_NE(said.find("box \"Bet error\": Please choose Win, Place or Show."), std::string::npos);
    EXPECT_EQ(Player(1).money, 50);
    EXPECT_EQ(Player(1).betAmount, 0);
}

TEST_F(DialogProcedureTest, TheTypeChosenLastTimeIsCheckedAgain) {
    Player(1).money = 500;
    BetOf("10", "3002");
    EXPECT_EQ(Player(1).betType, kBetShow);
    ++raceOfDay;
    Answer("1 type 20\n2 key Enter\n", Bet); // no radio clicked this time
    EXPECT_EQ(Player(1).betType, kBetShow);
    EXPECT_EQ(Player(1).betAmount, 20);
    // A type clicked and then cancelled changes nobody's standing bet.
    raceDay.currentPlayer = 1;
    Answer("1 button 3000\n2 key Escape\n", Bet);
    EXPECT_EQ(Player(1).betType, kBetShow);
}

} // namespace
