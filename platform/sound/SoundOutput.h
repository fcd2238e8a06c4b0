// SPDX-License-Identifier: MIT
#pragma once
// Playing the program's wave resources and pausing, through the current output: the program's is
// SDL2's audio (SdlSoundOutput); tests put a RecordingSoundOutput in its place.

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

// Plays wave resource `resourceId` of the program itself: returns at once unless `waitForEnd`, then
// only after the clip's length has passed (also when no audio device exists). A new sound replaces
// one that is still playing. False when the resource is missing.
bool PlaySound(unsigned resourceId, bool waitForEnd);
// Blocks the calling thread for `milliseconds`.
void Sleep(unsigned milliseconds);
