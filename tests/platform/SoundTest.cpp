// SPDX-License-Identifier: MIT
// Sounds and pauses through the replaceable output; the SDL output's silent fallback.

#include <gtest/gtest.h>

#include <chrono>

#include "platform/sound/SoundOutput.h"
#include "platform/sound/SdlSoundOutput.h"
#include "tests/support/RecordingSoundOutput.h"

TEST(SoundCalls, ReachTheOutputInPlaceInOrder) {
    RecordingSoundOutput outer;
    ScopedSoundOutput outerScope(outer);
    {
        RecordingSoundOutput inner;
        ScopedSoundOutput innerScope(inner);
        EXPECT_TRUE(PlaySound(303, true));
        Sleep(500);
        EXPECT_TRUE(PlaySound(306, false));
        EXPECT_EQ(inner.log, (std::vector<std::string>{"play 303 sync", "pause 500", "play 306 async"}));
    }
    EXPECT_EQ(&CurrentSoundOutput(), &outer);
    EXPECT_TRUE(outer.log.empty());
}

TEST(SdlOutput, ASynchronousClickLastsAtLeastItsLengthSilentlyOnTheDummyDriver) {
    testing::internal::CaptureStderr();
    {
        SdlSoundOutput output;
        EXPECT_STREQ(output.DriverName(), "dummy");
        const auto start = std::chrono::steady_clock::now();
        EXPECT_TRUE(output.Play(303, true));
        EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(64));
        EXPECT_FALSE(output.Play(304, true));
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}
