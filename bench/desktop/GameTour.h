// SPDX-License-Identifier: MIT
#pragma once
// Plays the game the way a player does, through the X server: it knows where the board's cells,
// the menu button and the dialogs' buttons lie (the templates' dialog units in pixels) and takes
// the game from state to state.

#include "bench/desktop/SoundWatcher.h"
#include "bench/desktop/XSession.h"

#include <vector>

class GameTour {
public:
    GameTour(XSession& session, Window board);

    // Start-up left the settings dialog open: a game of two persons is dealt.
    void DealPersonAgainstPerson();
    void RestPointerOnCell(int cell);
    void OpenMenu();
    void OpenHighScoresFromMenu();
    // Completes a line for whoever moves first, which opens the challenge after its fanfare.
    void OpenChallenge();
    // Escape: closes the menu or the high scores; forfeits a challenge.
    void Escape();
    // Claims cells in an order that completes no line and times each claim: release of the click to
    // the first drawing on the cell, and to the first sound heard.
    struct Claim {
        double repaintMs = -1;
        double soundMs = -1;
    };
    std::vector<Claim> TimeClaims(int count, SoundWatcher& sound);

private:
    void ClickClient(int x, int y, double settleSeconds);
    ScreenRect CellArea(int cell) const;

    XSession& session_;
    Window board_;
    ScreenRect origin_;
};
