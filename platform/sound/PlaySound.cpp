// SPDX-License-Identifier: MIT
#include "platform/sound/PlaySound.h"

#include "platform/sound/SoundOutput.h"

BOOL PlaySound(UINT resourceId, DWORD flags) {
    if ((flags & SND_RESOURCE) != SND_RESOURCE) {
        return FALSE;
    }
    return CurrentSoundOutput().Play(resourceId, (flags & SND_ASYNC) == 0);
}

void Sleep(DWORD milliseconds) {
    CurrentSoundOutput().Pause(milliseconds);
}
