// SPDX-License-Identifier: MIT
#pragma once
// The framework's PlaySound and Sleep, both through the current SoundOutput (SoundOutput.h), so
// tests can record them instead of waiting.

#include "platform/WinTypes.h"

// Plays wave resource `resourceId` of the program itself. Needs SND_RESOURCE; with SND_ASYNC it
// returns at once, otherwise only after the clip's length has passed (also when no audio device
// exists). A new sound replaces one that is still playing. FALSE when the flags lack
// SND_RESOURCE or the resource is missing.
BOOL PlaySound(UINT resourceId, DWORD flags);

// Blocks the calling thread for `milliseconds`.
void Sleep(DWORD milliseconds);
