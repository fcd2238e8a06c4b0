// SPDX-License-Identifier: MIT
#pragma once

#include "core/NumberRange.h"
#include "core/OpponentKind.h"

#include <cstdint>
#include <string>

// A rectangle in screen pixels; right and bottom lie just outside it.
struct ScreenRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// What the player did with one showing of the challenge dialog.
struct ChallengeOutcome {
    enum class Choice { CheckAnswer, ForfeitGame };
    Choice choice = Choice::ForfeitGame;
    std::int32_t answer = 0;  // the typed number; meaningful for CheckAnswer only
};

// Everything the rules need from the board window. The board window implements it; tests use a
// recording fake and the arena a window that does nothing.
class WindowOperations {
public:
    virtual ~WindowOperations() = default;

    // Repaints one cell from the game state.
    virtual void DrawCell(std::int32_t col, std::int32_t row) = 0;
    // Has both side panels (lines, names, scores) repainted.
    virtual void RefreshScorePanels() = 0;
    // Shows the cursor for the player to move.
    virtual void RefreshCursor() = 0;
    virtual void PlayGameSound(unsigned soundId, int waitForEnd, int delayBeforeMs, int delayAfterMs) = 0;

    virtual ScreenRect CellScreenRect(std::int32_t col, std::int32_t row) = 0;
    virtual ScreenRect WindowScreenRect() = 0;

    // Shows the challenge dialog once, modally, and reports how it was closed; anything that
    // cancels the dialog is a ForfeitGame.
    virtual ChallengeOutcome ShowChallenge(const std::string& question, std::int32_t lineTop, std::int32_t lineBottom,
                                           const ScreenRect& ownerRect) = 0;

    // Queues the new-game command (1000); it runs after the current claim has returned.
    virtual void RequestNewGame() = 0;

    // Hands a finished game to the high-score table.
    virtual void RecordResult(OpponentKind kind1, const std::string& name1, std::int32_t score1, OpponentKind kind2,
                              const std::string& name2, std::int32_t score2, NumberRange range) = 0;
    // Shows the high-scores dialog modally and returns when it is closed.
    virtual void ShowHighScoresDialog() = 0;

protected:
    WindowOperations() = default;
    WindowOperations(const WindowOperations&) = default;
    WindowOperations& operator=(const WindowOperations&) = default;
};
