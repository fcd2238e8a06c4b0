// SPDX-License-Identifier: MIT
#include "controls/GameSoundPlayer.h"

#include "platform/sound/PlaySound.h"

int soundEnabled = 1;

namespace {

// A negative pause would become a wait of weeks as the platform's unsigned milliseconds.
void Pause(int milliseconds) {
    if (milliseconds > 0) {
        Sleep(static_cast<DWORD>(milliseconds));
    }
}

}  // namespace

void PlayGameSound(UINT id, int waitForEnd, int delayBeforeMs, int delayAfterMs) {
    if (soundEnabled == 0) {
        return;
    }
    Pause(delayBeforeMs);
    PlaySound(LOWORD(id), waitForEnd != 0 ? SND_RESOURCE : SND_RESOURCE | SND_ASYNC);
    Pause(delayAfterMs);
}
