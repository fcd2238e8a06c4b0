// SPDX-License-Identifier: MIT
#include "core/GameRules.h"

#include "core/LinePatterns.h"
#include "core/RandomGenerator.h"

#include <algorithm>

namespace {

struct Candidate {
    std::int32_t rating = kClaimedCellRating;
    std::int32_t row = -1;
    std::int32_t col = -1;
};

std::int32_t CandidateCount(OpponentKind kind, std::int32_t freeCells) {
    std::int32_t count = 1;
    if (kind == Novice) {
        count = 2 * freeCells / 3;
    } else if (kind == Intermediate) {
        count = freeCells / 4;
    }
    return count < 1 ? 1 : count;
}

}  // namespace

std::int32_t GameRules::RateCells() {
    GameState& state = rulesState;
    std::int32_t freeCells = 0;
    // Cell indexes run in scan order: row by row, each row from column 0 to 4.
    for (std::size_t cell = 0; cell < kCellLines.size(); ++cell) {
        std::int32_t& rating = state.cellRating[cell];
        rating = kClaimedCellRating;
        if (state.cellOwner[cell] != 0) {
            continue;
        }
        ++freeCells;
        const CellLines& lines = kCellLines[cell];
        for (std::size_t line = 0; line < lines.count; ++line) {
            const auto [cellA, cellB] = lines.partners[line];
            if (rating == kClaimedCellRating) {
                rating = 0;
            }
            const std::int32_t ownerA = state.cellOwner[cellA];
            const std::int32_t ownerB = state.cellOwner[cellB];
            const std::int32_t claimedPartners = (ownerA != 0 ? 1 : 0) + (ownerB != 0 ? 1 : 0);
            // Partners held by different players block the line for good.
            if (claimedPartners == 2 && ownerA != ownerB) {
                continue;
            }
            const std::int32_t sum = state.cellNumber[cell] + state.cellNumber[cellB] + state.cellNumber[cellA];
            // Integer division truncates toward zero, as the weighting requires.
            rating += sum * (claimedPartners + 1) / 3;
        }
    }
    return freeCells;
}

void GameRules::ComputerMove() {
    GameState& state = rulesState;
    // Before the first game is dealt there is no player whose kind could be looked up.
    if (!IsValidPlayer(state.currentPlayer)) {
        return;
    }
    const std::int32_t freeCells = RateCells();
    if (freeCells == 0) {
        return;
    }

    const std::int32_t slotCount =
        CandidateCount(rulesSettings.playerKind[PlayerIndex(state.currentPlayer)], freeCells);
    std::array<Candidate, kCellCount> slots{};
    const auto slotsEnd = slots.begin() + slotCount;

    // The first slot with the lowest rating; the slots change only when a cell takes one.
    const auto lowestSlot = [&slots, slotsEnd] {
        return std::min_element(slots.begin(), slotsEnd, [](const Candidate& left, const Candidate& right) {
            return left.rating < right.rating;
        });
    };

    // Scan order settles ties: a later cell must be strictly better than a slot's cell to replace it.
    auto lowest = lowestSlot();
    for (std::int32_t row = 0; row < kBoardSize; ++row) {
        for (std::int32_t col = 0; col < kBoardSize; ++col) {
            const std::int32_t rating = state.cellRating[CellIndex(col, row)];
            if (rating > lowest->rating) {
                *lowest = Candidate{rating, row, col};
                lowest = lowestSlot();
            }
        }
    }

    const std::int32_t chosen = slotCount > 1 ? DrawRandom() % slotCount : 0;
    const Candidate& candidate = slots[static_cast<std::size_t>(chosen)];
    PlaceMark(candidate.col, candidate.row, 1);
}
