// SPDX-License-Identifier: MIT
#pragma once

#include "core/GameRules.h"
#include "tests/core/RecordingWindow.h"

#include <gtest/gtest.h>

// A game in progress on its own state, with every number 0, no markers and player 1 to move.
class RulesFixture : public ::testing::Test {
protected:
    RulesFixture() {
        state.currentPlayer = 1;
        state.lastMoveCol = -1;
        state.highlightCol[0] = -1;
    }

    void SetNumber(std::int32_t col, std::int32_t row, std::int32_t number) {
        state.cellNumber[CellIndex(col, row)] = number;
    }

    void SetOwner(std::int32_t col, std::int32_t row, std::int32_t player) {
        state.cellOwner[CellIndex(col, row)] = player;
    }

    std::int32_t Rating(std::int32_t col, std::int32_t row) const { return state.cellRating[CellIndex(col, row)]; }

    // Claims every free cell except the listed ones, alternating owners, without any rules.
    void FillBoardExcept(std::initializer_list<std::pair<std::int32_t, std::int32_t>> freeCells) {
        std::int32_t owner = 1;
        for (std::int32_t row = 0; row < kBoardSize; ++row) {
            for (std::int32_t col = 0; col < kBoardSize; ++col) {
                bool keepFree = false;
                for (const auto& [freeCol, freeRow] : freeCells) {
                    keepFree = keepFree || (freeCol == col && freeRow == row);
                }
                if (!keepFree && state.cellOwner[CellIndex(col, row)] == 0) {
                    SetOwner(col, row, owner);
                    owner = 3 - owner;
                }
            }
        }
    }

    GameState state;
    GameSettings settings;
    RecordingWindow window;
    GameRules rules{state, settings, window};
};
