// Announcer captions: every spoken clip the game loads has its words, and showing them changes
// nothing of a race.
#include <cctype>
#include <gtest/gtest.h>

#include "platform/asset_manifest.h"
#include "raceday/announcer_words.h"
#include "tests/test_support.h"

namespace {

TEST(Captions, EveryAnnouncerAndPostTimeClipTheGameLoadsHasItsWordsAndNoOtherHas) {
    int spoken = 0;
    for (const SoundRow& row : ManifestSounds()) {
        const std::string words = ClipWords(row.path);
        const bool announcer = row.path.starts_with("sounds/announcer/");
        const bool speaks = announcer || row.path.starts_with("sounds/1minute") ||
                            row.path.starts_with("sounds/30seconds") ||
                            row.path.starts_with("sounds/posttime");
        spoken += speaks;
        EXPECT_EQ(!words.empty(), speaks) << row.path;
        EXPECT_EQ(words.find('%'), std::string::npos) << row.path << ": " << words;
        // An announcer's clip of a runner's own (its file starts with its number) names it.
        const std::string file = std::filesystem::path(row.path).filename().string();
        size_t digits = 0;
        while (digits < file.size() && std::isdigit(static_cast<unsigned char>(file[digits]))) {
            ++digits;
        }
        if (announcer && digits > 0) {
            EXPECT_NE(words.find("umber " + file.substr(0, digits) + " "), std::string::npos)
                << row.path << ": " << words;
        }
    }
    EXPECT_EQ(spoken, 9 + 14 * 10 + 7 + 3 * 30 + 1);
}

// One race, from the card to the results left by the clock, with captions switched on by T or
// left off; screenshots taken through the race.
struct RaceRun {
    std::vector<std::vector<uint8_t>> pictures;
    std::vector<std::vector<uint8_t>> horses;
};

RaceRun PlayARace(bool captions) {
    const ScratchFolder data;
    PrepareGameDataFolder(data.path());
    std::string script = "2 keydown S\n4 keyup S\n8 move 47 210\n8 click\n12 move 417 288\n"
                         "12 click\n14 type Alice\n15 key Tab\n15 type Bob\n16 key Enter\n"
                         "30 move 160 310\n30 click\n33 button 3000\n33 type 100\n34 key Enter\n"
                         "80 move 600 560\n";
    if (captions) {
        script += "90 key T\n";
    }
    constexpr int kFirstShot = 2500, kShotEvery = 150, kShots = 16;
    for (int shot = 0; shot < kShots; ++shot) {
        script += std::to_string(kFirstShot + shot * kShotEvery) + " screenshot " +
                  data.File("shot" + std::to_string(shot) + ".bmp") + "\n";
    }
    script += "7000 quit\n";
    WriteBytes(data.File("race.txt"), std::vector<uint8_t>(script.begin(), script.end()));
    const GameRun run = RunGameBinary("--windowed --seed 7 --fixed-fps 30 --data " +
                                      data.path().string() + " --script " + data.File("race.txt"));
    EXPECT_EQ(run.status, 0) << run.output;
    RaceRun result;
    for (int shot = 0; shot < kShots; ++shot) {
        result.pictures.push_back(ReadBytes(data.File("shot" + std::to_string(shot) + ".bmp")));
    }
    for (int horse = 1; horse <= 215; ++horse) {
        result.horses.push_back(ReadBytes(data.File("horses/" + std::to_string(horse) + ".txt")));
    }
    return result;
}

TEST(Captions, ARaceCalledWithCaptionsEndsAsTheSameRaceWithout) {
    const RaceRun off = PlayARace(false);
    const RaceRun on = PlayARace(true);
    int captioned = 0;
    for (size_t shot = 0; shot < on.pictures.size(); ++shot) {
        captioned += on.pictures[shot] != off.pictures[shot];
    }
    EXPECT_GT(captioned, 0);
    // Leaving the results wrote the runners' new records: the same race, the same places.
    int raced = 0;
    for (int horse = 1; horse <= 215; ++horse) {
        raced +=
            off.horses[horse - 1] !=
            ReadBytes((GeneratedGameData() / "horses" / (std::to_string(horse) + ".txt")).string());
    }
    EXPECT_EQ(raced, 10);
    EXPECT_EQ(on.horses, off.horses);
}

} // namespace
