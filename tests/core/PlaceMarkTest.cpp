// SPDX-License-Identifier: MIT
#include "tests/core/RulesFixture.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const char* const kLineSound = "Sound 306 wait 1 before 0 after 0";
const char* const IDW_CLICK = "Sound 303 wait 1 before 0 after 500";

}  // namespace

class PlaceMarkTest : public RulesFixture {};

TEST_F(PlaceMarkTest, MiddleCellCompletesOnlyTheHorizontalMiddlePattern) {
    SetNumber(1, 2, 4);
    SetNumber(2, 2, 7);
    SetNumber(3, 2, 9);
    SetOwner(1, 2, 1);
    SetOwner(3, 2, 1);
    window.AnswerWith(20);

    rules.PlaceMark(2, 2, 0);

    EXPECT_THAT(window.calls, ElementsAre("DrawCell 2,2", "DrawCell 3,2", "DrawCell 1,2", kLineSound,
                                          "Challenge 7 + 9 + 4 = ", "DrawCell 3,2", "DrawCell 1,2",
                                          "RefreshScorePanels", "DrawCell 2,2", "RefreshCursor"));
    ASSERT_EQ(state.lineCount, 1);
    EXPECT_EQ(state.lines[0], (ScoredLine{1, {2, 3, 1}, {2, 2, 2}, 20}));
    EXPECT_EQ(state.score[0], 20);
    EXPECT_EQ(state.currentPlayer, 2);
    EXPECT_EQ(state.highlightCol[0], -1);
    EXPECT_EQ(state.lastMoveCol, 2);
    EXPECT_EQ(state.lastMoveRow, 2);
}

TEST_F(PlaceMarkTest, ChallengeSpansTheLineVerticallyAndIsPlacedOverTheWindow) {
    SetOwner(3, 1, 1);
    SetOwner(1, 3, 1);
    window.AnswerWith(0);

    rules.PlaceMark(2, 2, 0);

    ASSERT_EQ(window.challenges.size(), 1u);
    const auto& challenge = window.challenges[0];
    EXPECT_EQ(challenge.lineTop, RecordingWindow::kWindowTop + 1 * RecordingWindow::kCellSize);
    EXPECT_EQ(challenge.lineBottom, RecordingWindow::kWindowTop + 4 * RecordingWindow::kCellSize);
    EXPECT_EQ(challenge.ownerRect.left, RecordingWindow::kWindowLeft);
    EXPECT_EQ(challenge.ownerRect.bottom, RecordingWindow::kWindowTop + 480);
}

TEST_F(PlaceMarkTest, CornerClaimCompletesThreeLinesInPatternOrder) {
    for (const auto& [col, row] : {std::pair{1, 0}, {2, 0}, {0, 1}, {0, 2}, {1, 1}, {2, 2}}) {
        SetOwner(col, row, 1);
    }
    SetNumber(0, 0, 1);
    SetNumber(1, 0, 2);
    SetNumber(2, 0, 3);
    SetNumber(1, 1, 4);
    SetNumber(2, 2, 5);
    SetNumber(0, 1, 6);
    SetNumber(0, 2, 7);
    window.AnswerWith(6);
    window.AnswerWith(10);
    window.AnswerWith(14);

    rules.PlaceMark(0, 0, 0);

    EXPECT_THAT(window.CallsStartingWith("Challenge"),
                ElementsAre("Challenge 1 + 2 + 3 = ", "Challenge 1 + 4 + 5 = ", "Challenge 1 + 6 + 7 = "));
    EXPECT_THAT(window.CallsStartingWith("Sound"), ElementsAre(kLineSound, kLineSound, kLineSound));
    ASSERT_EQ(state.lineCount, 3);
    EXPECT_EQ(state.lines[0], (ScoredLine{1, {0, 1, 2}, {0, 0, 0}, 6}));
    EXPECT_EQ(state.lines[1], (ScoredLine{1, {0, 1, 2}, {0, 1, 2}, 10}));
    EXPECT_EQ(state.lines[2], (ScoredLine{1, {0, 0, 0}, {0, 1, 2}, 14}));
    EXPECT_EQ(state.score[0], 30);
}

TEST_F(PlaceMarkTest, WrongAnswerIsAskedAgainWithTheSameQuestion) {
    SetNumber(0, 0, 3);
    SetOwner(1, 0, 1);
    SetOwner(2, 0, 1);
    window.AnswerWith(5);
    window.AnswerWith(-3);
    window.AnswerWith(3);

    rules.PlaceMark(0, 0, 0);

    EXPECT_THAT(window.CallsStartingWith("Challenge"),
                ElementsAre("Challenge 3 + 0 + 0 = ", "Challenge 3 + 0 + 0 = ", "Challenge 3 + 0 + 0 = "));
    EXPECT_EQ(state.score[0], 3);
    EXPECT_EQ(state.lineCount, 1);
}

TEST_F(PlaceMarkTest, LineWorthZeroIsScoredAndAcceptsAnEmptyAnswer) {
    SetNumber(0, 4, -5);
    SetNumber(1, 4, 5);
    SetOwner(1, 4, 2);
    SetOwner(2, 4, 2);
    state.currentPlayer = 2;
    state.score = {4, 9};
    window.AnswerWith(0);  // the challenge dialog reads an empty answer box as 0

    rules.PlaceMark(0, 4, 0);

    EXPECT_THAT(window.CallsStartingWith("Challenge"), ElementsAre("Challenge -5 + 5 + 0 = "));
    ASSERT_EQ(state.lineCount, 1);
    EXPECT_EQ(state.lines[0].player, 2);
    EXPECT_EQ(state.lines[0].sum, 0);
    EXPECT_EQ(state.score[1], 9);
    EXPECT_EQ(state.currentPlayer, 1);
}

TEST_F(PlaceMarkTest, NegativeLineLowersTheScoreBelowZero) {
    SetNumber(4, 4, -25);
    SetNumber(4, 3, -20);
    SetNumber(4, 2, 1);
    SetOwner(4, 3, 1);
    SetOwner(4, 2, 1);
    state.score[0] = 10;
    window.AnswerWith(-44);

    rules.PlaceMark(4, 4, 0);

    EXPECT_THAT(window.CallsStartingWith("Challenge"), ElementsAre("Challenge -25 + -20 + 1 = "));
    EXPECT_EQ(state.score[0], -34);
}

TEST_F(PlaceMarkTest, ForfeitOnSecondLineKeepsFirstAndStopsTheSeries) {
    for (const auto& [col, row] : {std::pair{1, 0}, {2, 0}, {0, 1}, {0, 2}, {1, 1}, {2, 2}}) {
        SetOwner(col, row, 1);
    }
    SetNumber(1, 0, 2);
    window.AnswerWith(2);
    window.Forfeit();

    rules.PlaceMark(0, 0, 0);

    EXPECT_THAT(window.CallsStartingWith("Challenge"), ElementsAre("Challenge 0 + 2 + 0 = ", "Challenge 0 + 0 + 0 = "));
    EXPECT_THAT(window.CallsStartingWith("Sound"), ElementsAre(kLineSound, kLineSound));
    EXPECT_THAT(window.CallsStartingWith("RequestNewGame"), ElementsAre("RequestNewGame"));
    ASSERT_EQ(state.lineCount, 1);
    EXPECT_EQ(state.lines[0].col, (std::array<std::int32_t, 3>{0, 1, 2}));
    EXPECT_EQ(state.score[0], 2);
    EXPECT_EQ(state.highlightCol, (std::array<std::int32_t, 3>{0, 1, 2}));
    EXPECT_EQ(state.highlightRow, (std::array<std::int32_t, 3>{0, 1, 2}));
    EXPECT_EQ(state.currentPlayer, 2);
    EXPECT_EQ(window.calls.back(), "RefreshCursor");
}

TEST_F(PlaceMarkTest, OpponentCellsNeverScoreForTheMover) {
    SetNumber(1, 0, 8);
    SetOwner(1, 0, 2);
    SetOwner(2, 0, 2);

    rules.PlaceMark(0, 0, 0);

    EXPECT_THAT(window.calls, ElementsAre("RefreshScorePanels", "DrawCell 0,0", IDW_CLICK, "RefreshCursor"));
    EXPECT_EQ(state.lineCount, 0);
    EXPECT_EQ(state.score, (std::array<std::int32_t, 2>{0, 0}));
    EXPECT_EQ(state.currentPlayer, 2);
}

TEST_F(PlaceMarkTest, PreviousLastMoveIsRedrawnFirst) {
    rules.PlaceMark(1, 1, 0);
    window.calls.clear();

    rules.PlaceMark(3, 4, 0);

    EXPECT_THAT(window.calls,
                ElementsAre("DrawCell 1,1", "RefreshScorePanels", "DrawCell 3,4", IDW_CLICK, "RefreshCursor"));
    EXPECT_EQ(state.cellOwner[CellIndex(1, 1)], 1);
    EXPECT_EQ(state.cellOwner[CellIndex(3, 4)], 2);
    EXPECT_EQ(state.currentPlayer, 1);
}

TEST_F(PlaceMarkTest, ComputerLinesAreScoredWithoutChallenge) {
    SetNumber(0, 0, 9);
    SetNumber(1, 1, 9);
    SetNumber(2, 2, 9);
    SetOwner(0, 0, 1);
    SetOwner(1, 1, 1);

    rules.PlaceMark(2, 2, 1);

    EXPECT_THAT(window.CallsStartingWith("Challenge"), IsEmpty());
    EXPECT_THAT(window.CallsStartingWith("Sound"), ElementsAre(kLineSound));
    ASSERT_EQ(state.lineCount, 1);
    EXPECT_EQ(state.lines[0], (ScoredLine{1, {2, 1, 0}, {2, 1, 0}, 27}));
    EXPECT_EQ(state.score[0], 27);
}

TEST_F(PlaceMarkTest, RejectedClaimsChangeNothing) {
    SetOwner(2, 3, 2);
    const GameState before = state;

    for (const auto& [col, row] : {std::pair{-1, 0}, {5, 0}, {0, -1}, {0, 5}, {2, 3}}) {
        rules.PlaceMark(col, row, 0);
        rules.PlaceMark(col, row, 1);
    }

    EXPECT_EQ(state, before);
    EXPECT_THAT(window.calls, IsEmpty());
}

TEST_F(PlaceMarkTest, LastClaimReportsTheResultOnce) {
    settings.playerKind = {Person, Expert};
    settings.playerName = {"Ann", "Computer 3"};
    settings.rangeLow = -25;
    settings.rangeHigh = 25;
    state.score = {12, -4};
    FillBoardExcept({{4, 4}});
    state.currentPlayer = 2;  // no line of player 2 runs through (4, 4) on the filled board

    rules.PlaceMark(4, 4, 0);

    EXPECT_THAT(window.calls,
                ElementsAre("RefreshScorePanels", "DrawCell 4,4", IDW_CLICK,
                            "RecordResult 0 Ann 12 3 Computer 3 -4 range 3", "ShowHighScoresDialog", "RefreshCursor"));
    EXPECT_EQ(state.gameOver, 1);
    EXPECT_EQ(state.currentPlayer, 1);

    window.calls.clear();
    rules.PlaceMark(4, 4, 0);
    EXPECT_EQ(rules.CheckGameOver(), 1);
    EXPECT_THAT(window.calls, IsEmpty());
}

TEST_F(PlaceMarkTest, CheckGameOverIsZeroWhileACellIsFree) {
    FillBoardExcept({{0, 0}});

    EXPECT_EQ(rules.CheckGameOver(), 0);
    EXPECT_EQ(state.gameOver, 0);
    EXPECT_THAT(window.calls, IsEmpty());
}

TEST_F(PlaceMarkTest, NothingHappensBeforeTheFirstGameIsDealt) {
    state.currentPlayer = 0;
    settings.playerKind = {Expert, Expert};
    const GameState before = state;

    rules.PlaceMark(2, 2, 0);
    rules.ComputerMove();

    EXPECT_EQ(state, before);
    EXPECT_THAT(window.calls, IsEmpty());
}
