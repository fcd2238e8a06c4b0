// SPDX-License-Identifier: MIT
#include "tools/arena/SelfPlayArena.h"

#include <string>
#include <tuple>

namespace {

std::string ComputerName(OpponentKind kind) {
    std::string name = "Computer ";
    name += std::to_string(kind);
    return name;
}

}  // namespace

SelfPlayArena::SelfPlayArena(OpponentKind kind1, OpponentKind kind2, NumberRange range) {
    settings.playerKind = {kind1, kind2};
    // The names a computer player 2 gets in the settings dialog.
    settings.playerName = {ComputerName(kind1), ComputerName(kind2)};
    std::tie(settings.rangeLow, settings.rangeHigh) = RangeBounds(range);
}

SelfPlayRecord SelfPlayArena::PlayGame() {
    // The board window clears its markers the same way before every new game.
    state.lastMoveCol = -1;
    state.highlightCol[0] = -1;
    rules.NewGame();

    SelfPlayRecord record;
    record.first = state.currentPlayer;
    // Every move claims a cell, so the game ends after at most 25 of them.
    while (state.gameOver == 0 && record.moveCount < kCellCount) {
        rules.ComputerMove();
        record.moves[static_cast<std::size_t>(record.moveCount)] = {state.lastMoveCol, state.lastMoveRow};
        ++record.moveCount;
    }
    return record;
}
