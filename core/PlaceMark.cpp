// SPDX-License-Identifier: MIT
#include "core/GameRules.h"

#include "core/LinePatterns.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

std::string QuestionText(const std::array<std::int32_t, 3>& numbers) {
    // Room for three numbers of any 32-bit value, signs included.
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), " %d + %d + %d = ", numbers[0], numbers[1], numbers[2]);
    return text.data();
}

}  // namespace

void GameRules::PlaceMark(std::int32_t col, std::int32_t row, std::int32_t computerMove) {
    GameState& state = rulesState;
    if (!IsOnBoard(col, row) || state.cellOwner[CellIndex(col, row)] != 0) {
        return;
    }
    // Before the first game is dealt there is nobody to claim for.
    if (!IsValidPlayer(state.currentPlayer)) {
        return;
    }

    const std::int32_t previousCol = state.lastMoveCol;
    const std::int32_t previousRow = state.lastMoveRow;
    state.lastMoveCol = col;
    state.lastMoveRow = row;
    if (IsOnBoard(previousCol, previousRow)) {
        rulesWindow.DrawCell(previousCol, previousRow);
    }

    const std::int32_t player = state.currentPlayer;
    state.cellOwner[CellIndex(col, row)] = player;
    bool lineFound = false;

    for (const LinePattern& pattern : kLinePatterns) {
        const std::int32_t colA = col + pattern.dxA;
        const std::int32_t rowA = row + pattern.dyA;
        const std::int32_t colB = col + pattern.dxB;
        const std::int32_t rowB = row + pattern.dyB;
        if (!IsOnBoard(colA, rowA) || !IsOnBoard(colB, rowB)) {
            continue;
        }
        if (state.cellOwner[CellIndex(colA, rowA)] != player || state.cellOwner[CellIndex(colB, rowB)] != player) {
            continue;
        }

        const ScoredLine line{player,
                              {col, colA, colB},
                              {row, rowA, rowB},
                              state.cellNumber[CellIndex(colA, rowA)] + state.cellNumber[CellIndex(colB, rowB)] +
                                  state.cellNumber[CellIndex(col, row)]};
        lineFound = true;

        state.highlightCol = line.col;
        state.highlightRow = line.row;
        rulesWindow.DrawCell(col, row);
        rulesWindow.DrawCell(colA, rowA);
        rulesWindow.DrawCell(colB, rowB);
        rulesWindow.PlayGameSound(IDW_LINE_COMPLETED, 1, 0, 0);

        // A forfeit leaves this line unscored and its highlight set, and skips the other patterns;
        // the move still passes the turn below.
        if (computerMove == 0 && !RunChallenge(line)) {
            rulesWindow.RequestNewGame();
            break;
        }

        state.highlightCol[0] = -1;
        rulesWindow.DrawCell(colA, rowA);
        rulesWindow.DrawCell(colB, rowB);
        state.lines[static_cast<std::size_t>(state.lineCount)] = line;
        state.score[PlayerIndex(player)] += line.sum;
        ++state.lineCount;
    }

    state.currentPlayer = player == 1 ? 2 : 1;
    rulesWindow.RefreshScorePanels();
    rulesWindow.DrawCell(col, row);
    if (!lineFound) {
        rulesWindow.PlayGameSound(IDW_CLICK, 1, 0, 500);
    }
    CheckGameOver();
    rulesWindow.RefreshCursor();
}

bool GameRules::RunChallenge(const ScoredLine& line) {
    std::array<std::int32_t, 3> numbers{};
    std::int32_t lineTop = 0;
    std::int32_t lineBottom = 0;
    for (std::size_t cell = 0; cell < numbers.size(); ++cell) {
        numbers[cell] = rulesState.cellNumber[CellIndex(line.col[cell], line.row[cell])];
        const ScreenRect rect = rulesWindow.CellScreenRect(line.col[cell], line.row[cell]);
        lineTop = cell == 0 ? rect.top : std::min(lineTop, rect.top);
        lineBottom = cell == 0 ? rect.bottom : std::max(lineBottom, rect.bottom);
    }
    const ScreenRect ownerRect = rulesWindow.WindowScreenRect();
    const std::string question = QuestionText(numbers);

    // Wrong answers are simply asked again, as often as needed.
    for (;;) {
        const ChallengeOutcome outcome = rulesWindow.ShowChallenge(question, lineTop, lineBottom, ownerRect);
        if (outcome.choice != ChallengeOutcome::Choice::CheckAnswer) {
            return false;
        }
        if (outcome.answer == line.sum) {
            return true;
        }
    }
}
