// SPDX-License-Identifier: MIT
#pragma once

#include "core/GameSettings.h"
#include "core/GameState.h"
#include "core/WindowOperations.h"

#include <cstdint>

// The rules of the game, acting on one GameState and GameSettings and reaching the window only
// through WindowOperations. The board window is a WindowOperations and holds the rules, passing
// itself, and forwards its NewGame, PlaceMark, ComputerMove... to them.
class GameRules {
public:
    GameRules(GameState& state, GameSettings& settings, WindowOperations& window);

    // Seeds the generator from the clock (seconds) and restores the start-up settings.
    void ResetSettings();
    // Deals a new board, draws who begins and clears scores and lines; the markers are left alone.
    void NewGame();
    // Claims a cell for the player to move and scores the lines it completes; a person
    // (computerMove 0) must answer the challenge for each line, a computer is never challenged.
    void PlaceMark(std::int32_t col, std::int32_t row, std::int32_t computerMove);
    // 1 when no cell is free (the result is reported once per game), 0 otherwise.
    std::int32_t CheckGameOver();
    // Rates every cell for the computer and returns the number of free cells.
    std::int32_t RateCells();
    // Lets the computer claim one cell for the player to move.
    void ComputerMove();

private:
    // Shows the challenge until the answer is right (true) or the person forfeits (false).
    bool RunChallenge(const ScoredLine& line);

    GameState& rulesState;
    GameSettings& rulesSettings;
    WindowOperations& rulesWindow;
};
