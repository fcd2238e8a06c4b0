// SPDX-License-Identifier: MIT
#include "core/RandomGenerator.h"
#include "tests/core/ReferenceGenerator.h"
#include "tests/core/RulesFixture.h"

#include <gmock/gmock.h>

#include <set>
#include <utility>
#include <vector>

using ::testing::IsEmpty;

namespace {

using Cell = std::pair<std::int32_t, std::int32_t>;

// Every three-in-a-row of the board, found by walking right, down and along both diagonals.
std::vector<std::array<Cell, 3>> AllTriples() {
    std::vector<std::array<Cell, 3>> triples;
    for (const auto& [dx, dy] : {Cell{1, 0}, Cell{0, 1}, Cell{1, 1}, Cell{-1, 1}}) {
        for (std::int32_t row = 0; row < kBoardSize; ++row) {
            for (std::int32_t col = 0; col < kBoardSize; ++col) {
                if (IsOnBoard(col + 2 * dx, row + 2 * dy)) {
                    triples.push_back({Cell{col, row}, Cell{col + dx, row + dy}, Cell{col + 2 * dx, row + 2 * dy}});
                }
            }
        }
    }
    return triples;
}

}  // namespace

class ComputerOpponentTest : public RulesFixture {
protected:
    // The cell the computer claims from the present position after seeding the generator.
    Cell ComputerChoice(std::uint32_t seed) {
        GameState position = state;
        RecordingWindow quietWindow;
        GameRules positionRules(position, settings, quietWindow);
        SeedRandom(seed);
        positionRules.ComputerMove();
        return {position.lastMoveCol, position.lastMoveRow};
    }

    std::set<Cell> ChoicesOverSeeds(std::uint32_t seedCount) {
        std::set<Cell> choices;
        for (std::uint32_t seed = 1; seed <= seedCount; ++seed) {
            choices.insert(ComputerChoice(seed));
        }
        return choices;
    }

    // The first n free cells in scan order.
    std::set<Cell> FirstFreeCells(std::size_t count) const {
        std::set<Cell> cells;
        for (std::int32_t row = 0; row < kBoardSize && cells.size() < count; ++row) {
            for (std::int32_t col = 0; col < kBoardSize && cells.size() < count; ++col) {
                if (state.cellOwner[CellIndex(col, row)] == 0) {
                    cells.insert({col, row});
                }
            }
        }
        return cells;
    }
};

TEST_F(ComputerOpponentTest, FreshBoardRatingIsATruncatedThirdOfEachLineThroughTheCell) {
    const auto triples = AllTriples();
    ASSERT_EQ(triples.size(), 48u);
    SeedRandom(11);
    for (std::size_t cell = 0; cell < state.cellNumber.size(); ++cell) {
        state.cellNumber[cell] = DrawRandom() % 51 - 25;
    }

    EXPECT_EQ(rules.RateCells(), 25);

    std::array<std::int32_t, kCellCount> expected{};
    std::array<std::int32_t, kCellCount> linesThrough{};
    for (const auto& triple : triples) {
        std::int32_t sum = 0;
        for (const auto& [col, row] : triple) {
            sum += state.cellNumber[CellIndex(col, row)];
        }
        for (const auto& [col, row] : triple) {
            expected[CellIndex(col, row)] += sum / 3;
            ++linesThrough[CellIndex(col, row)];
        }
    }
    EXPECT_EQ(state.cellRating, expected);
    EXPECT_EQ(linesThrough[CellIndex(0, 0)], 3);
    EXPECT_EQ(linesThrough[CellIndex(2, 2)], 12);
}

TEST_F(ComputerOpponentTest, ThirdsTruncateTowardZero) {
    SetNumber(0, 0, -10);
    SetNumber(4, 4, 20);

    rules.RateCells();

    EXPECT_EQ(Rating(0, 0), 3 * (-10 / 3));
    EXPECT_EQ(Rating(0, 0), -9);
    EXPECT_EQ(Rating(4, 4), 18);
    EXPECT_EQ(Rating(1, 0), -3);
    EXPECT_EQ(Rating(2, 2), -3 + 6);
}

TEST_F(ComputerOpponentTest, ClaimedPartnersWeighTheLineMoreAndMixedOwnersBlockIt) {
    SetNumber(0, 0, 9);
    SetNumber(1, 0, 9);
    SetOwner(0, 0, 1);
    SetOwner(1, 0, 1);

    EXPECT_EQ(rules.RateCells(), 23);
    // (2, 0): its row with both partners claimed weighs 18; (1,0)-(2,0)-(3,0) with one claimed, 9 * 2 / 3.
    EXPECT_EQ(Rating(2, 0), 18 + 6);
    EXPECT_EQ(Rating(0, 0), kClaimedCellRating);

    SetOwner(1, 0, 2);
    rules.RateCells();
    EXPECT_EQ(Rating(2, 0), 6);

    // The weight multiplies the sum before the third is taken: 10 * 3 / 3 and 5 * 2 / 3, where
    // a third taken first would give 9 and 2.
    SetNumber(0, 0, 5);
    SetNumber(1, 0, 5);
    SetOwner(1, 0, 1);
    rules.RateCells();
    EXPECT_EQ(Rating(2, 0), 10 + 3);
}

TEST_F(ComputerOpponentTest, CandidateListSizeFollowsLevelAndFreeCells) {
    // With every rating equal, the candidates are the first m free cells in scan order, and over
    // enough draws every one of them gets chosen.
    struct Row {
        std::int32_t claimed;
        std::size_t novice;
        std::size_t intermediate;
    };
    for (const Row& row :
         {Row{0, 16, 6}, Row{13, 8, 3}, Row{18, 4, 1}, Row{21, 2, 1}, Row{22, 2, 1}, Row{23, 1, 1}, Row{24, 1, 1}}) {
        state.cellOwner.fill(0);
        for (std::int32_t cell = 0; cell < row.claimed; ++cell) {
            // Claims from the bottom right, so the free cells are the first ones in scan order.
            state.cellOwner[static_cast<std::size_t>(kCellCount - 1 - cell)] = 1 + cell % 2;
        }
        for (const auto& [kind, expected] :
             {std::pair{Novice, row.novice}, {Intermediate, row.intermediate}, {Expert, std::size_t{1}}}) {
            settings.playerKind = {kind, kind};
            EXPECT_EQ(ChoicesOverSeeds(300), FirstFreeCells(expected))
                << "kind " << kind << " with " << kCellCount - row.claimed << " free cells";
        }
    }
}

TEST_F(ComputerOpponentTest, DrawPicksTheCandidateSlotFilledInScanOrder) {
    // Equal ratings fill the slots with the first free cells in scan order, slot by slot.
    settings.playerKind = {Novice, Novice};
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        const auto slot = ReferenceGenerator(seed).Draw() % 16;
        EXPECT_EQ(ComputerChoice(seed), (Cell{slot % kBoardSize, slot / kBoardSize})) << "seed " << seed;
    }
}

TEST_F(ComputerOpponentTest, SingleCandidateUsesNoDraw) {
    settings.playerKind = {Novice, Novice};
    FillBoardExcept({{1, 3}, {4, 4}});
    SetNumber(4, 4, 5);

    SeedRandom(77);
    rules.ComputerMove();

    EXPECT_EQ(state.lastMoveCol, 4);
    EXPECT_EQ(state.lastMoveRow, 4);
    ReferenceGenerator reference(77);
    EXPECT_EQ(DrawRandom(), reference.Draw());
}

TEST_F(ComputerOpponentTest, NoviceWithThreeFreeCellsChoosesBetweenTheTwoBest) {
    settings.playerKind = {Novice, Novice};
    FillBoardExcept({{0, 0}, {2, 3}, {4, 4}});
    SetNumber(2, 3, 9);
    SetNumber(4, 4, 6);

    EXPECT_EQ(ChoicesOverSeeds(50), (std::set<Cell>{{2, 3}, {4, 4}}));
}

TEST_F(ComputerOpponentTest, ExpertTreatsCompletingAndBlockingAlikeAndTakesTheFirst) {
    settings.playerKind = {Expert, Expert};
    SetNumber(0, 0, 10);
    SetNumber(1, 0, 10);
    SetNumber(0, 4, 10);
    SetNumber(1, 4, 10);
    SetOwner(0, 4, 1);
    SetOwner(1, 4, 1);
    SetOwner(0, 0, 2);
    SetOwner(1, 0, 2);

    rules.RateCells();
    EXPECT_EQ(Rating(2, 0), Rating(2, 4));

    // Player 1 would complete its own line at (2, 4) but blocks player 2 at (2, 0), which comes first.
    EXPECT_EQ(ComputerChoice(1), (Cell{2, 0}));
    state.currentPlayer = 2;
    EXPECT_EQ(ComputerChoice(1), (Cell{2, 0}));
}

TEST_F(ComputerOpponentTest, ExpertTakesTheFirstBestRatedCellAndAvoidsNegativeOnes) {
    settings.playerKind = {Expert, Expert};
    settings.rangeLow = -25;
    settings.rangeHigh = 25;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        SeedRandom(seed);
        rules.NewGame();
        // Play into the game so that claimed partners shape the ratings.
        for (std::uint32_t move = 0; move < seed % 20; ++move) {
            rules.ComputerMove();
        }
        rules.RateCells();
        const auto best = std::max_element(state.cellRating.begin(), state.cellRating.end());
        const auto bestIndex = static_cast<std::int32_t>(best - state.cellRating.begin());

        const Cell choice = ComputerChoice(seed);

        ASSERT_EQ(choice, (Cell{bestIndex % kBoardSize, bestIndex / kBoardSize})) << "seed " << seed;
        if (*best >= 0) {
            EXPECT_GE(Rating(choice.first, choice.second), 0);
        }
    }
}

TEST_F(ComputerOpponentTest, ComputerMoveScoresItsLinesWithoutChallenge) {
    settings.playerKind = {Intermediate, Intermediate};
    state.cellOwner.fill(1);
    state.cellOwner[CellIndex(2, 2)] = 0;
    state.cellNumber.fill(1);

    rules.ComputerMove();

    EXPECT_THAT(window.CallsStartingWith("Challenge"), IsEmpty());
    EXPECT_EQ(state.lineCount, 12);
    EXPECT_EQ(state.score[0], 36);
    EXPECT_EQ(state.gameOver, 1);
}

TEST_F(ComputerOpponentTest, FullBoardClaimsNothing) {
    settings.playerKind = {Expert, Expert};
    FillBoardExcept({});
    const GameState before = state;

    rules.ComputerMove();

    EXPECT_EQ(state.cellOwner, before.cellOwner);
    EXPECT_EQ(state.currentPlayer, before.currentPlayer);
    EXPECT_THAT(window.calls, IsEmpty());
}
