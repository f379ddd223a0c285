// The game's two generators: the classic formula, and the scenery's drawing apart from the race's.
// The race generator's draws are also pinned by the seeded race replays.
#include "platform/random.h"

#include <gtest/gtest.h>

namespace {

TEST(Random, SceneryDrawsTheClassicFormulaAndLeaveTheRacesDrawsAlone) {
    // seed = seed * 214013 + 2531011; the draw is bits 16..30.
    SeedSceneRand(0);
    EXPECT_EQ(SceneRand(), 38);
    EXPECT_EQ(SceneRand(), 7719);
    SeedRand(42);
    const int first = Rand(), second = Rand();
    SeedRand(42);
    SeedSceneRand(7);
    EXPECT_EQ(Rand(), first);
    for (int n = 0; n < 100; ++n) {
        const int draw = SceneRand();
        ASSERT_GE(draw, 0);
        ASSERT_LE(draw, kRandMax);
    }
    EXPECT_EQ(Rand(), second);
    SeedRand(1);
    SeedSceneRand(1);
}

} // namespace
