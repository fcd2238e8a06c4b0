// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

inline constexpr std::int32_t kBoardSize = 5;
inline constexpr std::int32_t kCellCount = kBoardSize * kBoardSize;
inline constexpr std::int32_t kMaxScoredLines = 100;
// The rating of a claimed cell; every free cell's rating lies far inside +-32000.
inline constexpr std::int32_t kClaimedCellRating = -32000;

constexpr bool IsOnBoard(std::int32_t col, std::int32_t row) {
    return col >= 0 && col < kBoardSize && row >= 0 && row < kBoardSize;
}

// Index of a cell on the board in the 25-entry arrays of GameState.
constexpr std::size_t CellIndex(std::int32_t col, std::int32_t row) {
    return static_cast<std::size_t>(row * kBoardSize + col);
}

// Until the first game is dealt currentPlayer is 0, which names no player.
constexpr bool IsValidPlayer(std::int32_t player) {
    return player == 1 || player == 2;
}

// Index of a player (1 or 2) in the two-entry arrays of GameState and GameSettings.
constexpr std::size_t PlayerIndex(std::int32_t player) {
    return static_cast<std::size_t>(player - 1);
}

// One scored line: cells in the order placed cell, partner A, partner B.
struct ScoredLine {
    std::int32_t player = 0;
    std::array<std::int32_t, 3> col{};
    std::array<std::int32_t, 3> row{};
    std::int32_t sum = 0;

    bool operator==(const ScoredLine&) const = default;
};

// The game in progress. Arrays of 25 are indexed by CellIndex(col, row); players are 1 and 2,
// and 0 in cellOwner means free. -1 in lastMoveCol or highlightCol[0] means "no marker".
struct GameState {
    std::array<std::int32_t, kCellCount> cellNumber{};
    std::array<std::int32_t, kCellCount> cellOwner{};
    std::array<std::int32_t, kCellCount> cellRating{};
    std::int32_t currentPlayer = 0;
    std::array<std::int32_t, 2> score{};
    std::int32_t gameOver = 0;
    std::array<ScoredLine, kMaxScoredLines> lines{};
    std::int32_t lineCount = 0;
    std::int32_t lastMoveCol = 0;
    std::int32_t lastMoveRow = 0;
    std::array<std::int32_t, 3> highlightCol{};
    std::array<std::int32_t, 3> highlightRow{};

    bool operator==(const GameState&) const = default;
};

// The one game of the program, shared by the rules and the board window. Until the first game is
// dealt every field is 0, so currentPlayer is not yet a valid player.
extern GameState gameState;
