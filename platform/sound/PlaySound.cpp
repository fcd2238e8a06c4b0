// SPDX-License-Identifier: MIT
#include "platform/sound/PlaySound.h"

#include "platform/sound/SoundOutput.h"

bool PlaySound(unsigned resourceId, bool waitForEnd) {
    return CurrentSoundOutput().Play(resourceId, waitForEnd);
}

void Sleep(unsigned milliseconds) {
    CurrentSoundOutput().Pause(milliseconds);
}
