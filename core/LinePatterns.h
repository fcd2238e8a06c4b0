// SPDX-License-Identifier: MIT
#pragma once

#include "core/GameState.h"

#include <array>
#include <cstdint>

// A three-in-a-row through a cell: the offsets of its two partners from that cell (dx right, dy down).
struct LinePattern {
    std::int32_t dxA;
    std::int32_t dyA;
    std::int32_t dxB;
    std::int32_t dyB;
};

// Every triple that contains a cell is exactly one of these, so scoring and rating each meet a
// triple once. The order is the order in which a move's lines are challenged: first the eight
// compass directions clockwise from straight up with the cell at an end, then the four with the
// cell in the middle.
inline constexpr std::array<LinePattern, 12> kLinePatterns{{
    {0, -1, 0, -2},
    {1, -1, 2, -2},
    {1, 0, 2, 0},
    {1, 1, 2, 2},
    {0, 1, 0, 2},
    {-1, 1, -2, 2},
    {-1, 0, -2, 0},
    {-1, -1, -2, -2},
    {0, -1, 0, 1},
    {1, -1, -1, 1},
    {1, 0, -1, 0},
    {1, 1, -1, -1},
}};

// The patterns of one cell that fit on the board, as array indexes of the two partners, in
// pattern order; rating runs through these for every cell after every claim.
struct CellLines {
    struct Partners {
        std::size_t cellA;
        std::size_t cellB;
    };
    std::array<Partners, kLinePatterns.size()> partners{};
    std::size_t count = 0;
};

inline constexpr std::array<CellLines, kCellCount> kCellLines = [] {
    std::array<CellLines, kCellCount> table{};
    for (std::int32_t row = 0; row < kBoardSize; ++row) {
        for (std::int32_t col = 0; col < kBoardSize; ++col) {
            CellLines& lines = table[CellIndex(col, row)];
            for (const LinePattern& pattern : kLinePatterns) {
                const std::int32_t colA = col + pattern.dxA;
                const std::int32_t rowA = row + pattern.dyA;
                const std::int32_t colB = col + pattern.dxB;
                const std::int32_t rowB = row + pattern.dyB;
                if (IsOnBoard(colA, rowA) && IsOnBoard(colB, rowB)) {
                    lines.partners[lines.count] = {CellIndex(colA, rowA), CellIndex(colB, rowB)};
                    ++lines.count;
                }
            }
        }
    }
    return table;
}();
