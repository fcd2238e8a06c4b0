// SPDX-License-Identifier: MIT
#pragma once

#include "core/GameRules.h"
#include "core/NumberRange.h"
#include "tools/arena/HeadlessWindow.h"

#include <array>
#include <cstdint>

struct BoardCell {
    std::int32_t col = 0;
    std::int32_t row = 0;
};

// How one self-play game went; its board, lines and scores stay in the arena's state.
struct SelfPlayRecord {
    std::int32_t first = 0;
    std::array<BoardCell, kCellCount> moves{};
    std::int32_t moveCount = 0;
};

// Two computer players on the real rules, playing game after game on the program-wide generator.
class SelfPlayArena {
public:
    SelfPlayArena(OpponentKind kind1, OpponentKind kind2, NumberRange range);

    // Deals a new game and lets the computers move until it is over.
    SelfPlayRecord PlayGame();

    const GameState& State() const { return state; }
    const GameSettings& Settings() const { return settings; }

private:
    GameState state;
    GameSettings settings;
    HeadlessWindow window;
    GameRules rules{state, settings, window};
};
