// SPDX-License-Identifier: MIT
#include "controls/GameSoundPlayer.h"

#include "platform/sound/SoundOutput.h"

int soundEnabled = 1;

namespace {

// A negative pause would become a wait of weeks as unsigned milliseconds.
void Pause(int milliseconds) {
    if (milliseconds > 0) {
        Sleep(static_cast<unsigned>(milliseconds));
    }
}

}  // namespace

void PlayGameSound(unsigned id, int waitForEnd, int delayBeforeMs, int delayAfterMs) {
    if (soundEnabled == 0) {
        return;
    }
    Pause(delayBeforeMs);
    PlaySound(id & 0xFFFFu, waitForEnd != 0);
    Pause(delayAfterMs);
}
