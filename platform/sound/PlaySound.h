// SPDX-License-Identifier: MIT
#pragma once
// Playing the program's wave resources and pausing, both through the current SoundOutput
// (SoundOutput.h), so tests can record them instead of waiting.

// Plays wave resource `resourceId` of the program itself: returns at once unless `waitForEnd`, then
// only after the clip's length has passed (also when no audio device exists). A new sound replaces
// one that is still playing. False when the resource is missing.
bool PlaySound(unsigned resourceId, bool waitForEnd);

// Blocks the calling thread for `milliseconds`.
void Sleep(unsigned milliseconds);
