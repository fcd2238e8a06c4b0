#include "core/GameRules.h"

#include "core/LinePatterns.h"
#include "core/RandomGenerator.h"

namespace {

struct Candidate {
    std::int32_t rating = kClaimedCellRating;
    std::int32_t row = -1;
    std::int32_t col = -1;
};

std::int32_t CandidateCount(OpponentKind kind, std::int32_t freeCells)
{
    std::int32_t count = 1;
    if (kind == Novice) {
        count = 2 * freeCells / 3;
    } else if (kind == Intermediate) {
        count = freeCells / 4;
    }
    return count < 1 ? 1 : count;
}

}

std::int32_t GameRules::RateCells()
{
    GameState& state = rulesState;
    std::int32_t freeCells = 0;
    for (std::int32_t row = 0; row < kBoardSize; ++row) {
        for (std::int32_t col = 0; col < kBoardSize; ++col) {
            std::int32_t& rating = state.cellRating[CellIndex(col, row)];
            rating = kClaimedCellRating;
            if (state.cellOwner[CellIndex(col, row)] != 0) {
                continue;
            }
            ++freeCells;
            for (const LinePattern& pattern : kLinePatterns) {
                const std::int32_t colA = col + pattern.dxA;
                const std::int32_t rowA = row + pattern.dyA;
                const std::int32_t colB = col + pattern.dxB;
                const std::int32_t rowB = row + pattern.dyB;
                if (!IsOnBoard(colA, rowA) || !IsOnBoard(colB, rowB)) {
                    continue;
                }
                if (rating == kClaimedCellRating) {
                    rating = 0;
                }
                const std::int32_t ownerA = state.cellOwner[CellIndex(colA, rowA)];
                const std::int32_t ownerB = state.cellOwner[CellIndex(colB, rowB)];
                const std::int32_t claimedPartners = (ownerA != 0 ? 1 : 0) + (ownerB != 0 ? 1 : 0);
                // Partners held by different players block the line for good.
                if (claimedPartners == 2 && ownerA != ownerB) {
                    continue;
                }
                const std::int32_t sum = state.cellNumber[CellIndex(col, row)] +
                                         state.cellNumber[CellIndex(colB, rowB)] +
                                         state.cellNumber[CellIndex(colA, rowA)];
                // Integer division truncates toward zero, as the weighting requires.
                rating += sum * (claimedPartners + 1) / 3;
            }
        }
    }
    return freeCells;
}

void GameRules::ComputerMove()
{
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

    // Scan order settles ties: a later cell must be strictly better than a slot's cell to replace it.
    for (std::int32_t row = 0; row < kBoardSize; ++row) {
        for (std::int32_t col = 0; col < kBoardSize; ++col) {
            auto lowest = slots.begin();
            for (auto slot = slots.begin() + 1; slot != slotsEnd; ++slot) {
                if (slot->rating < lowest->rating) {
                    lowest = slot;
                }
            }
            const std::int32_t rating = state.cellRating[CellIndex(col, row)];
            if (rating > lowest->rating) {
                *lowest = Candidate{rating, row, col};
            }
        }
    }

    const std::int32_t chosen = slotCount > 1 ? DrawRandom() % slotCount : 0;
    const Candidate& candidate = slots[static_cast<std::size_t>(chosen)];
    PlaceMark(candidate.col, candidate.row, 1);
}
