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
