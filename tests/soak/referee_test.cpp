// The soak's referee: a short soak through the game's screens keeps every invariant, and each
// kind of damage the referee watches for is caught and named.
#include "tools/soak/referee.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "core/settings_file.h"
#include "raceday/race_day.h"
#include "results/payouts.h"
#include "shell/game_reset.h"
#include "stable/horse_record.h"
#include "stable/odds.h"
#include "tests/test_support.h"
#include "tools/autoplay/autoplayer.h"

namespace {

namespace fs = std::filesystem;

TEST(Soak, AShortSoakKeepsEveryInvariant) {
    ScratchFolder folder;
    PrepareGameDataFolder(folder.path());
    // Three races a day, the stakes from the second day.
    ASSERT_TRUE(WriteQuickSavedGame(folder.path().string(), 3, 1));
    const WorkingDirectory comeBack(fs::current_path());
    AutoplayPlan plan{.players = 3, .seed = 9, .races = 6, .sometimesRestart = true};
    plan.resultsShown = RefereeResultsShown;
    plan.raceLeft = RefereeRaceLeft;
    StartAutoplay(plan);
    StartReferee();
    testing::internal::CaptureStdout();
    const int status = RunAutoplayedGame(folder.path().string(), 3, 10);
    testing::internal::GetCapturedStdout();
    RefereeGameEnded();
    EXPECT_EQ(status, 0);
    EXPECT_EQ(RefereeFailure(), "");
    EXPECT_EQ(RefereeCount().races, 6);
    EXPECT_EQ(RefereeCount().days, 1);
    EXPECT_GT(RefereeCount().bets, 6);
}

// One race seen by the referee on a prepared state: player 1 has $50 on runner 1 to win, and
// runner 1 wins. The damage is done between the moments the referee looks.
class RefereeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetGameState();
        PrepareGameDataFolder(folder.path());
        here = std::make_unique<WorkingDirectory>(folder.path());
        currentDay = currentMonth = 1;
        currentYear = 2002;
        raceOfDay = 1;
        numPlayers = 1;
        WriteBytes("settings.stn", EncodeSettingsFile(settingsBlock));
        for (int i = 0; i < kFieldSize; ++i) {
            raceField[i] = HorseRecord{};
            raceField[i].horseNumber = i + 1;
            raceField[i].loaded = 1;
            raceField[i].finishPlace = i + 1;
            fieldOdds.oddsCode[i] = 400; // 3-1
        }
        PlayerRecord& player = Player(1);
        player.money = kStartingMoney - 50;
        player.betAmount = 50;
        player.betRunner = 1;
        player.betType = kBetWin;
        player.betRace = raceOfDay;
        player.betDay = currentDay;
        player.betMonth = currentMonth;
        player.betYear = currentYear;
    }

    // The race as the game runs it, with the damage done at the results or after the payout.
    std::string Race(
        void (*atResults)() = [] {}, void (*afterPayout)() = [] {}) {
        StartReferee();
        atResults();
        RefereeResultsShown();
        AddMoney(Player(1), PayoutFor(Player(1)));
        ClearBet(Player(1));
        raceOfDay = 2;
        afterPayout();
        RefereeRaceLeft();
        return RefereeFailure();
    }

    ScratchFolder folder;
    std::unique_ptr<WorkingDirectory> here;
};

bool Names(const std::string& failure, const std::string& what) {
    return failure.find(what) != std::string::npos;
}

TEST_F(RefereeTest, ARaceRunAndPaidRightPasses) {
    EXPECT_EQ(Race(), "");
    EXPECT_EQ(RefereeCount().races, 1);
    EXPECT_EQ(RefereeCount().bets, 1);
}

TEST_F(RefereeTest, MoneyThatStraysFromStakesAndPayoutsIsCaught) {
    EXPECT_TRUE(Names(Race([] { Player(1).money += 50; }), "player 1 has $1000 at the results"));
}

TEST_F(RefereeTest, APayoutShortByADollarIsCaught) {
    EXPECT_TRUE(Names(Race([] {}, [] { Player(1).money -= 1; }), "after the payout"));
}

TEST_F(RefereeTest, ARepeatedRunnerIsCaught) {
    EXPECT_TRUE(Names(Race([] { raceField[9].horseNumber = 3; }), "9 distinct horses"));
}

TEST_F(RefereeTest, AShortStakesTableIsCaught) {
    const std::string failure = Race([] {
        stakesRound = 1;
        for (int i = 0; i < kRound1Entries; ++i) {
            stakesEntries1[i].horseNumber = i + 1;
        }
        stakesEntries1[50].horseNumber = 0;
    });
    EXPECT_TRUE(Names(failure, "stakes round 1 holds 99 distinct entrants, not 100")) << failure;
}

TEST_F(RefereeTest, AHorseFileOutsideItsLimitsIsCaught) {
    const std::string failure =
        Race([] {},
             [] {
                 WriteBytes("horses/7.txt",
                            {'A', '~', '\n', '3', '0', '0', '0', '0', '0', '0', '0', '\n'});
             });
    EXPECT_TRUE(Names(failure, "horses/7.txt does not read back within its limits")) << failure;
}

TEST_F(RefereeTest, ASavedGameWrittenWhenNoSaveWasDueIsCaught) {
    EXPECT_TRUE(Names(Race([] {},
                           [] {
                               WriteBytes("settings.stn", {1, 2, 3});
                           }),
                      "changed without a save being due"));
}

TEST_F(RefereeTest, ADayEndedWithoutASaveIsCaught) {
    EXPECT_TRUE(Names(Race([] {}, [] { currentDay = 2; }), "does not read back"));
}

} // namespace
