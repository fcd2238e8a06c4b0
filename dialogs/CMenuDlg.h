// SPDX-License-Identifier: MIT
#pragma once
// The game menu: a column of picture buttons without a title bar. It performs none of its four
// actions itself; it records the one chosen in a request flag and closes, and the board window
// carries it out. Only the sound button acts on the spot.

#include "controls/CSkinButton.h"
#include "dialogs/CSkinDialog.h"

class CMenuDlg : public CSkinDialog {
public:
    explicit CMenuDlg(CWnd* parent = nullptr);

    CSkinButton aboutButton;
    CSkinButton newGameButton;
    CSkinButton quitButton;
    CSkinButton highScoresButton;
    CSkinButton closeButton;
    CSkinButton soundButton;

    // What was asked for; all 0 at each opening, at most one 1 after DoModal. Quit Game closes
    // with IDOK, every other way with IDCANCEL.
    int quitRequested = 0;
    int aboutRequested = 0;
    int highScoresRequested = 0;
    int newGameRequested = 0;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // Switches the game's sounds off (silently) or on (with a click, heard because sound is on).
    void ToggleSound();

protected:
    void DoDataExchange(CDataExchange* dx) override;

private:
    // Raises `flag`, plays the click, then closes with `result`.
    void Choose(int& flag, int result);
    void SkinSoundButton();
};
