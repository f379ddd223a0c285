// The after-race update, the re-rating for a new series and the starting horses.
#include "stable/horse_updates.h"

#include <algorithm>
#include <array>
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
            EXPECT_EQ(
                (std::array{runner.races, runner.wins, runner.places, runner.shows}),
                (std::array<int32_t, 4>{6, 1 + (slot == 0), 1 + (slot == 1), 1 + (slot == 2)}));
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
    std::filesystem::create_directory("horses/3.txt.tmp");
    const std::vector<uint8_t> before = ReadBytes(HorseFilePath(3));
    BoxCapture boxes;
    UpdateHorseFiles();
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(ReadBytes(HorseFilePath(3)), before);
    HorseRecord written;
    ASSERT_EQ(ReadHorseFile(HorseFilePath(4), &written), 1);
    EXPECT_EQ(written.races, 6);
}

TEST(RateNewHorse, FortyPointsEachAtLeastFiveThenExperienceFromThePlaces) {
    int withoutPlaces = 0;
    for (uint32_t seed = 0; seed < 300; ++seed) {
        SeedRand(seed);
        HorseRecord horse{};
        RateNewHorse(&horse);
        EXPECT_GE(horse.races, 4);
        EXPECT_LE(horse.races, 18);
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

// From the same seed a rebuild draws the starting horses again: every name kept, every career
// fresh, a missing file left missing, and the field forgets its horses.
TEST(RebuildHorseFiles, DrawsTheStartingHorsesAgainFromTheSameSeed) {
    StableFolder game;
    SeedRand(77);
    WriteStartingHorses();
    std::vector<std::vector<uint8_t>> started;
    for (int number = 1; number <= kHorseCount; ++number) {
        started.push_back(ReadBytes(HorseFilePath(number)));
    }
    EXPECT_EQ(std::string(started[41].begin(), started[41].begin() + 9), "Horse 42~");
    WriteHorse(7, {"Horse 7", {90, 80, 70, 60}, 400, 100, 90, 80});
    std::filesystem::remove(HorseFilePath(kHorseCount));
    raceField[2] = HorseRecord{};
    raceField[2].horseNumber = 7;
    raceField[2].wins = 3;
    SeedRand(77);
    RebuildHorseFiles();
    EXPECT_EQ(raceField[2].horseNumber, 0);
    EXPECT_EQ(raceField[2].wins, 0);
    EXPECT_FALSE(std::filesystem::exists(HorseFilePath(kHorseCount)));
    for (int number = 1; number < kHorseCount; ++number) {
        EXPECT_EQ(ReadBytes(HorseFilePath(number)), started[number - 1]) << number;
    }
}

TEST(WriteStartingHorseFiles, ANameThatWouldBreakItsLineWritesNothing) {
    StableFolder game;
    const char* pointers[kHorseCount];
    std::fill(std::begin(pointers), std::end(pointers), "Fine Name");
    for (const std::string& bad : {std::string(24, 'x'), std::string("Tilde~Horse"),
                                   std::string("Two\nLines"), std::string()}) {
        pointers[100] = bad.c_str();
        EXPECT_EQ(WriteStartingHorseFiles("horses", pointers), 0);
        EXPECT_TRUE(std::filesystem::is_empty("horses"));
    }
    const std::string longest(23, 'x');
    pointers[100] = longest.c_str();
    EXPECT_EQ(WriteStartingHorseFiles("horses", pointers), 1);
    HorseRecord horse;
    ASSERT_EQ(ReadHorseFile(HorseFilePath(101), &horse), 1);
    EXPECT_EQ(std::string(horse.name), longest);
}

} // namespace
