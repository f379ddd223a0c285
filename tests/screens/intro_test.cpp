// The intro's pictures at frames worked out by hand. S ends it in every scripted run.
#include "screens/intro.h"

#include <gtest/gtest.h>

#include "core/game_state.h"
#include "platform/game_sounds.h"
#include "platform/game_sprites.h"

namespace {

class IntroTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SwitchScreen(kStateIntro);
        introSound = -1; // no fanfare: the intro ends when its title arrives
        PrepareIntro();
    }
    void TearDown() override { DestroyIntro(); }
    // Runs frames until `frame` (counted from 1) and reports the state after it.
    void RunTo(int frame) {
        for (; done < frame; ++done) {
            IntroFrame();
        }
    }
    int done = 0;
};

TEST_F(IntroTest, ThePicturesMoveAsWorkedOutByHand) {
    RunTo(112);
    EXPECT_EQ(sIntroA.x, 120); // arrives: within 10 of 125
    EXPECT_EQ(gameState, kStateIntro);
    RunTo(113);
    EXPECT_EQ(sIntroA.x, 130);
    EXPECT_EQ(gameState, kStateMainMenu); // title in, no fanfare playing
    RunTo(150);
    EXPECT_EQ(sIntroB.x, 400);
    EXPECT_EQ(sIntroA.y, 285 - 37); // rising one a frame since frame 114
    RunTo(151);
    EXPECT_EQ(sIntroB.x, 399);
    RunTo(228);
    EXPECT_EQ(sIntroA.y, 170);
    RunTo(229);
    EXPECT_EQ(sIntroA.y, 155);
    EXPECT_EQ(sIntroC.y, -400); // the big pictures wait until the title has left
    RunTo(261);
    EXPECT_EQ(sIntroC.y, -395);
    EXPECT_EQ(sIntroD.y, 994);
}

} // namespace
