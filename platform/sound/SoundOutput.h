// SPDX-License-Identifier: MIT
#pragma once
// Where PlaySound and Sleep end up. The program uses SDL2's audio (SdlSoundOutput); tests put a
// RecordingSoundOutput in its place.

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // False when the resource cannot be played (missing or not a wave).
    virtual bool Play(unsigned resourceId, bool waitForEnd) = 0;
    virtual void Pause(unsigned milliseconds) = 0;
};

// The output in use: the one set last, else the program's SDL output (created on first use).
SoundOutput& CurrentSoundOutput();
// Puts `output` (not owned; null = the SDL output) in place and returns the one it replaces.
SoundOutput* SetSoundOutput(SoundOutput* output);

// Swaps an output in for one scope.
class ScopedSoundOutput {
public:
    explicit ScopedSoundOutput(SoundOutput& output) : previous_(SetSoundOutput(&output)) {}
    ~ScopedSoundOutput() { SetSoundOutput(previous_); }
    ScopedSoundOutput(const ScopedSoundOutput&) = delete;
    ScopedSoundOutput& operator=(const ScopedSoundOutput&) = delete;

private:
    SoundOutput* previous_;
};
