// SPDX-License-Identifier: MIT
#pragma once
// The player's last settings, kept between runs: both names, the second player, the range and the
// sound switch, in the desktop's configuration folder ($XDG_CONFIG_HOME/quinsum/quinsum.conf). A
// missing, damaged or hostile value gives the built-in one; a folder that cannot be written only
// means that nothing is remembered.

#include "core/GameSettings.h"

// Overwrites `settings` and `sound` with what was remembered, value by value.
void RestoreSettings(GameSettings& settings, int& sound);
void RememberSettings(const GameSettings& settings);
void RememberSound(int sound);
