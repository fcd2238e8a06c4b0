// SPDX-License-Identifier: MIT
#include "platform/sound/SoundOutput.h"

#include "platform/sound/SdlSoundOutput.h"

namespace {

SoundOutput* replacement = nullptr;

}  // namespace

SoundOutput& CurrentSoundOutput() {
    if (replacement != nullptr) {
        return *replacement;
    }
    static SdlSoundOutput sdlOutput;
    return sdlOutput;
}

SoundOutput* SetSoundOutput(SoundOutput* output) {
    SoundOutput* previous = replacement;
    replacement = output;
    return previous;
}

bool PlaySound(unsigned resourceId, bool waitForEnd) {
    return CurrentSoundOutput().Play(resourceId, waitForEnd);
}

void Sleep(unsigned milliseconds) {
    CurrentSoundOutput().Pause(milliseconds);
}
