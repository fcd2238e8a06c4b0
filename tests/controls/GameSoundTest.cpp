// SPDX-License-Identifier: MIT
// Playing the game's sounds: the pauses around them, waiting or not, and the switch that silences
// them and their pauses.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "controls/GameSoundPlayer.h"
#include "platform/sound/SdlSoundOutput.h"
#include "tests/support/RecordingSoundOutput.h"

namespace {

using Log = std::vector<std::string>;

class GameSoundTest : public ::testing::Test {
protected:
    void TearDown() override { soundEnabled = 1; }

    RecordingSoundOutput output;
    ScopedSoundOutput swap{output};
};

TEST_F(GameSoundTest, PausesSurroundTheSoundAndOnlyPositivePausesWait) {
    PlayGameSound(303, 1, 200, 500);
    PlayGameSound(306, 1, 0, 0);
    PlayGameSound(303, 1, -1, -500);
    EXPECT_EQ(output.log, (Log{"pause 200", "play 303 sync", "pause 500", "play 306 sync", "play 303 sync"}));
}

TEST_F(GameSoundTest, WithoutWaitingTheSoundStartsInTheBackground) {
    PlayGameSound(303, 0, 0, 0);
    EXPECT_EQ(output.log, (Log{"play 303 async"}));
}

TEST_F(GameSoundTest, OnlyTheLowSixteenBitsOfTheIdCount) {
    PlayGameSound(0x10000u + 303u, 1, 0, 0);
    EXPECT_EQ(output.log, (Log{"play 303 sync"}));
}

TEST_F(GameSoundTest, SoundStartsOnAndSwitchedOffNothingPlaysOrWaits) {
    EXPECT_EQ(soundEnabled, 1);
    soundEnabled = 0;
    PlayGameSound(303, 1, 100, 500);
    PlayGameSound(306, 0, 0, 0);
    EXPECT_TRUE(output.log.empty());
    soundEnabled = 1;
    PlayGameSound(306, 0, 0, 0);
    EXPECT_EQ(output.log, (Log{"play 306 async"}));
}

// The real output with SDL's dummy driver: a sound played to its end returns only after the clip's
// length (wave 303 lasts 65 ms). Only the lower bound is checked, so a slow machine cannot fail it.
TEST(GameSoundPaceTest, WaitingForTheEndTakesTheClipsLengthEvenWithoutADevice) {
    SdlSoundOutput sdl;
    ScopedSoundOutput swap{sdl};
    const auto start = std::chrono::steady_clock::now();
    PlayGameSound(303, 1, 0, 0);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(64));
}

}  // namespace
