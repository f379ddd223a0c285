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
// runner 1 wins. The damage is done at the results or after the payout, between the moments the
// referee looks; it returns what the referee said.
std::string RefereedRace(void (*atResults)(), void (*afterPayout)()) {
    ResetGameState();
    ScratchFolder folder;
    PrepareGameDataFolder(folder.path());
    const WorkingDirectory here(folder.path());
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

void NoDamage() {}

TEST(Referee, EachKindOfDamageIsCaughtAndNamed) {
    const struct {
        void (*atResults)();
        void (*afterPayout)();
        const char* named;
    } kDamage[] = {
        {[] { Player(1).money += 50; }, NoDamage, "player 1 has $1000 at the results"},
        {NoDamage, [] { Player(1).money -= 1; }, "after the payout"},
        {[] { raceField[9].horseNumber = 3; }, NoDamage, "9 distinct horses"},
        {[] {
             stakesRound = 1;
             for (int i = 0; i < kRound1Entries; ++i) {
                 stakesEntries1[i].horseNumber = i + 1;
             }
             stakesEntries1[50].horseNumber = 0;
         },
         NoDamage, "stakes round 1 holds 99 distinct entrants, not 100"},
        {NoDamage,
         [] {
             WriteBytes("horses/7.txt",
                        {'A', '~', '\n', '3', '0', '0', '0', '0', '0', '0', '0', '\n'});
         },
         "horses/7.txt does not read back within its limits"},
        {NoDamage,
         [] {
             WriteBytes("settings.stn", {1, 2, 3});
         },
         "changed without a save being due"},
        {NoDamage, [] { currentDay = 2; }, "does not read back"}, // a day ended without a save
    };
    for (const auto& damage : kDamage) {
        const std::string failure = RefereedRace(damage.atResults, damage.afterPayout);
        EXPECT_NE(failure.find(damage.named), std::string::npos) << damage.named << ": " << failure;
    }
}

} // namespace
