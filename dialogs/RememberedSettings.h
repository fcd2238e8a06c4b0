// SPDX-License-Identifier: MIT
#pragma once
// The player's last settings, kept between runs: both names, the second player, the range, the
// sound switch and the board window's size, in the desktop's configuration folder
// ($XDG_CONFIG_HOME/quinsum/quinsum.conf). A missing, damaged or hostile value gives the built-in one; a folder that
// cannot be written only means that nothing is remembered.

#include <QSize>

#include "core/GameSettings.h"

// Overwrites `settings` and `sound` with what was remembered, value by value.
void RestoreSettings(GameSettings& settings, int& sound);
void RememberSettings(const GameSettings& settings);
void RememberSound(int sound);

// The board window's size (its size out of full screen) and whether it was full screen.
struct BoardSize {
    QSize size;
    bool fullScreen = false;
};
// The size kept, cut to `available` (the screen's); `smallest` (the design's) when none was kept or
// it is damaged or smaller.
BoardSize RestoreBoardSize(const QSize& smallest, const QSize& available);
void RememberBoardSize(const BoardSize& board);
