// The after-race update, the re-rating for a new series and the starting horses.
#include "stable/horse_updates.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

#include "platform/random.h"
#include "stable/horse_file.h"
#include "tests/stable/stable_support.h"

namespace {

float RatingSum(const HorseRecord& horse) {
    return horse.acceleration + horse.speed + horse.closing + horse.endurance;
}

// Ten runners, horses 1..10, finishing in slot order.
void FieldInPlaceOrder() {
    for (int slot = 0; slot < kFieldSize; ++slot) {
        const int number = slot + 1;
        WriteHorse(number, {"Runner", {10, 10, 10, 10}, 5, 1, 1, 1});
        HorseRecord& runner = raceField[slot];
        ASSERT_EQ(ReadHorseFile(HorseFilePath(number), &runner), 1);
        runner.horseNumber = number;
        runner.loaded = 1;
        runner.finishPlace = slot + 1;
    }
}

TEST(UpdateHorseFiles, RatingsGainByPlaceAndCareersCountTheFirstThree) {
    constexpr float kGains[kFieldSize] = {1.0f, 0.75f, 0.5f, 0.25f, 0, 0, 0, 0, 0.25f, 0.25f};
    int gainedByPlace[kFieldSize] = {};
    for (int race = 0; race < 40; ++race) {
        StableFolder game;
        SeedRand(race);
        FieldInPlaceOrder();
        UpdateHorseFiles();
        for (int slot = 0; slot < kFieldSize; ++slot) {
            const HorseRecord& runner = raceField[slot];
            EXPECT_EQ(runner.races, 6);
            EXPECT_EQ(runner.wins, slot == 0 ? 2 : 1);
            EXPECT_EQ(runner.places, slot == 1 ? 2 : 1);
            EXPECT_EQ(runner.shows, slot == 2 ? 2 : 1);
            const float gain = RatingSum(runner) - 40.0f;
            int changed = 0;
            for (float HorseRecord::*rating : kRatings) {
                changed += runner.*rating != 10.0f;
            }
            if (gain != 0.0f) {
                EXPECT_EQ(gain, kGains[slot]) << "place " << slot + 1;
                EXPECT_EQ(changed, 1);
                gainedByPlace[slot] += 1;
            }
            const std::vector<uint8_t> file = ReadBytes(HorseFilePath(slot + 1));
            EXPECT_EQ(std::string(file.begin(), file.end()), FormatHorseFile(runner, false));
        }
    }
    for (int slot = 0; slot < 4; ++slot) {
        EXPECT_GT(gainedByPlace[slot], 5) << "places 1..4 gain about half the time";
        EXPECT_LT(gainedByPlace[slot], 35);
    }
    for (int slot = 4; slot < 8; ++slot) {
        EXPECT_EQ(gainedByPlace[slot], 0);
    }
    EXPECT_EQ(gainedByPlace[8], 40);
    EXPECT_EQ(gainedByPlace[9], 40);
}

TEST(UpdateHorseFiles, AFileThatCannotBeWrittenLosesItsUpdateSilently) {
    StableFolder game;
    FieldInPlaceOrder();
    raceField[4].horseNumber = 0; // no horse: nothing to write
    std::filesystem::create_directory("horses/3.txt.tmp");
    const std::vector<uint8_t> before = ReadBytes(HorseFilePath(3));
    BoxCapture boxes;
    UpdateHorseFiles();
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(ReadBytes(HorseFilePath(3)), before);
    HorseRecord written;
    ASSERT_EQ(ReadHorseFile(HorseFilePath(4), &written), 1);
    EXPECT_EQ(written.races, 6);
    ASSERT_EQ(ReadHorseFile(HorseFilePath(5), &written), 1);
    EXPECT_EQ(written.races, 5);
}

TEST(RateNewHorse, FortyPointsEachAtLeastFiveThenExperienceFromThePlaces) {
    int withoutPlaces = 0;
    for (uint32_t seed = 0; seed < 300; ++seed) {
        SeedRand(seed);
        HorseRecord horse{};
        RateNewHorse(&horse);
        EXPECT_GE(horse.races, 4);
        EXPECT_LE(horse.races, 18);
        EXPECT_GE(horse.wins, 0);
        EXPECT_LE(horse.wins + horse.places + horse.shows, horse.races);
        for (float HorseRecord::*rating : kRatings) {
            EXPECT_GE(horse.*rating, 5.0f);
        }
        const float most = std::max({horse.wins * 1.0f, horse.places * 0.5f, horse.shows * 0.1f});
        EXPECT_GE(RatingSum(horse), 40.0f - 1e-3f);
        EXPECT_LE(RatingSum(horse), 40.0f + horse.races * most + 1e-3f);
        if (horse.wins + horse.places + horse.shows == 0) {
            EXPECT_EQ(RatingSum(horse), 40.0f) << "seed " << seed;
            withoutPlaces += 1;
        }
    }
    EXPECT_GT(withoutPlaces, 0);
}

TEST(RebuildHorseFiles, EveryHorseKeepsItsNameAndGetsAFreshCareerEndingInANewline) {
    StableFolder game;
    WriteStartingHorses();
    std::filesystem::remove(HorseFilePath(50));
    WriteHorse(7, {"Veteran", {90, 80, 70, 60}, 400, 100, 90, 80});
    raceField[2] = HorseRecord{};
    raceField[2].horseNumber = 7;
    raceField[2].wins = 3;
    raceField[2].loaded = 1;
    RebuildHorseFiles();
    EXPECT_EQ(raceField[2].horseNumber, 0);
    EXPECT_EQ(raceField[2].wins, 0);
    EXPECT_EQ(raceField[2].loaded, 1);
    EXPECT_FALSE(std::filesystem::exists(HorseFilePath(50)));
    HorseRecord veteran;
    ASSERT_EQ(ReadHorseFile(HorseFilePath(7), &veteran), 1);
    EXPECT_STREQ(veteran.name, "Veteran");
    EXPECT_LE(veteran.races, 18);
    EXPECT_LT(RatingSum(veteran), 300.0f);
    for (int number = 1; number <= kHorseCount; ++number) {
        if (number != 50) {
            EXPECT_EQ(ReadBytes(HorseFilePath(number)).back(), '\n');
        }
    }
}

TEST(WriteStartingHorseFiles, MakesTheSameHorsesAsTheRebuildFromTheSameSeed) {
    StableFolder game;
    SeedRand(77);
    WriteStartingHorses();
    std::vector<std::vector<uint8_t>> started;
    for (int number = 1; number <= kHorseCount; ++number) {
        started.push_back(ReadBytes(HorseFilePath(number)));
    }
    EXPECT_EQ(std::string(started[41].begin(), started[41].begin() + 9), "Horse 42~");
    SeedRand(77);
    RebuildHorseFiles();
    for (int number = 1; number <= kHorseCount; ++number) {
        EXPECT_EQ(ReadBytes(HorseFilePath(number)), started[number - 1]) << number;
    }
}

TEST(WriteStartingHorseFiles, ANameThatWouldBreakItsLineWritesNothing) {
    StableFolder game;
    std::vector<std::string> names(kHorseCount, "Fine Name");
    const char* pointers[kHorseCount];
    for (const std::string& bad : {std::string(24, 'x'), std::string("Tilde~Horse"),
                                   std::string("Two\nLines"), std::string()}) {
        names[100] = bad;
        for (int i = 0; i < kHorseCount; ++i) {
            pointers[i] = names[i].c_str();
        }
        EXPECT_EQ(WriteStartingHorseFiles("horses", pointers), 0);
        EXPECT_TRUE(std::filesystem::is_empty("horses"));
    }
    names[100] = std::string(23, 'x');
    for (int i = 0; i < kHorseCount; ++i) {
        pointers[i] = names[i].c_str();
    }
    EXPECT_EQ(WriteStartingHorseFiles("horses", pointers), 1);
    HorseRecord longest;
    ASSERT_EQ(ReadHorseFile(HorseFilePath(101), &longest), 1);
    EXPECT_EQ(std::string(longest.name), names[100]);
}

} // namespace
