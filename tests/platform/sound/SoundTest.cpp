// SPDX-License-Identifier: MIT
// PlaySound and Sleep through the replaceable output; the SDL output's silent fallback.

#include <gtest/gtest.h>

#include <chrono>

#include "platform/sound/PlaySound.h"
#include "platform/sound/SdlSoundOutput.h"
#include "tests/support/RecordingSoundOutput.h"

TEST(SoundCalls, ReachTheRecordingOutputInOrder) {
    RecordingSoundOutput recording;
    ScopedSoundOutput scope(recording);
    EXPECT_TRUE(PlaySound(303, SND_RESOURCE));
    Sleep(500);
    EXPECT_TRUE(PlaySound(306, SND_RESOURCE | SND_ASYNC));
    EXPECT_EQ(recording.log, (std::vector<std::string>{"play 303 sync", "pause 500", "play 306 async"}));
}

TEST(SoundCalls, NeedTheResourceFlag) {
    RecordingSoundOutput recording;
    ScopedSoundOutput scope(recording);
    EXPECT_FALSE(PlaySound(303, SND_ASYNC));
    EXPECT_TRUE(recording.log.empty());
}

TEST(SoundCalls, TheScopeRestoresThePreviousOutput) {
    RecordingSoundOutput outer;
    ScopedSoundOutput outerScope(outer);
    {
        RecordingSoundOutput inner;
        ScopedSoundOutput innerScope(inner);
        Sleep(1);
        EXPECT_EQ(&CurrentSoundOutput(), &inner);
    }
    EXPECT_EQ(&CurrentSoundOutput(), &outer);
    EXPECT_TRUE(outer.log.empty());
}

TEST(SoundCalls, TheRecordingOutputDoesNotWait) {
    RecordingSoundOutput recording;
    ScopedSoundOutput scope(recording);
    const auto start = std::chrono::steady_clock::now();
    PlaySound(306, SND_RESOURCE);
    Sleep(5000);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2371));
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
