// SPDX-License-Identifier: MIT
#include "core/GameRules.h"

#include "core/RandomGenerator.h"

#include <algorithm>
#include <ctime>

GameRules::GameRules(GameState& state, GameSettings& settings, WindowOperations& window)
    : rulesState(state), rulesSettings(settings), rulesWindow(window) {}

void GameRules::ResetSettings() {
    SeedRandom(static_cast<std::uint32_t>(std::time(nullptr)));
    rulesSettings = GameSettings{};
}

void GameRules::NewGame() {
    GameState& state = rulesState;
    // Reversed bounds deal from the same pair in order rather than dividing by a span of 0 or less;
    // the settings dialog itself only ever stores the four ranges.
    const auto [low, high] = std::minmax(rulesSettings.rangeLow, rulesSettings.rangeHigh);
    const std::int64_t span = std::int64_t{high} - std::int64_t{low} + 1;
    for (std::size_t cell = 0; cell < state.cellNumber.size(); ++cell) {
        state.cellOwner[cell] = 0;
        state.cellNumber[cell] = static_cast<std::int32_t>(low + DrawRandom() % span);
    }
    state.currentPlayer = 1 + DrawRandom() % 2;
    state.score = {0, 0};
    state.lineCount = 0;
    state.gameOver = 0;
    RateCells();
}

std::int32_t GameRules::CheckGameOver() {
    GameState& state = rulesState;
    if (RateCells() > 0) {
        return 0;
    }
    if (state.gameOver == 1) {
        return 1;
    }
    state.gameOver = 1;
    rulesWindow.RecordResult(rulesSettings.playerKind[0], rulesSettings.playerName[0], state.score[0],
                             rulesSettings.playerKind[1], rulesSettings.playerName[1], state.score[1],
                             RangeIndex(rulesSettings.rangeLow, rulesSettings.rangeHigh));
    rulesWindow.ShowHighScoresDialog();
    return 1;
}
