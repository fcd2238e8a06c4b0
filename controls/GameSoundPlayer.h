// SPDX-License-Identifier: MIT
#pragma once
// The game's one way of playing its wave resources, and the program-wide switch that silences
// them. Pauses belong to the sound: with the switch off nothing waits.

// 1: sounds play (the state at start); 0: every PlayGameSound returns at once.
extern int soundEnabled;

// Plays wave resource `id` (low 16 bits used) of the program: to its end when `waitForEnd` is
// non-zero, else started in the background. Sleeps `delayBeforeMs` before and `delayAfterMs` after
// (0 = no pause).
void PlayGameSound(unsigned id, int waitForEnd, int delayBeforeMs, int delayAfterMs);
