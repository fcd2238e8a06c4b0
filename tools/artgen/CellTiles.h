// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

// The 75 x 75 board tiles. Each sits at the top-left of a 76 x 76 cell, so a dark gap shows between
// neighbours. Claimed tiles carry a white disc in the right half, 8 to 23 pixels from the top,
// where the game writes the cell's number in 15-pixel Arial; the mark sits lower left of it.
namespace artgen {

enum class TileMark { None, Cross, Ring };

// 152: a free cell, light grey, its middle clear for the large number.
QImage freeTile(const QImage& boardBackground);
// 155: a free cell while pressed, darker and sunken.
QImage freeTilePressed(const QImage& boardBackground);
// 178 / 179: player 1's blue X, player 2's red O.
QImage playerTile(const QImage& boardBackground, TileMark mark);
// 300 / 289: the same tiles in green, for the last move and a completed line.
QImage markedTile(const QImage& boardBackground, TileMark mark);

}  // namespace artgen
