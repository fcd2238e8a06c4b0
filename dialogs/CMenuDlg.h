// SPDX-License-Identifier: MIT
#pragma once
// The game menu: a column of picture buttons without a title bar. It performs none of its four
// actions itself; it records the one chosen in a request flag and closes, and the board window
// carries it out. Only the sound button acts on the spot.

#include <QPointer>

#include "controls/CSkinButton.h"
#include "dialogs/CSkinDialog.h"

class CMenuDlg : public CSkinDialog {
    Q_OBJECT

public:
    explicit CMenuDlg(QWidget* parent = nullptr);

    QPointer<CSkinButton> aboutButton;
    QPointer<CSkinButton> newGameButton;
    QPointer<CSkinButton> quitButton;
    QPointer<CSkinButton> highScoresButton;
    QPointer<CSkinButton> closeButton;
    QPointer<CSkinButton> soundButton;

    // What was asked for; all 0 at each opening, at most one 1 after DoModal. Quit Game closes
    // with IDOK, every other way with IDCANCEL.
    int quitRequested = 0;
    int aboutRequested = 0;
    int highScoresRequested = 0;
    int newGameRequested = 0;

    bool OnInitDialog() override;
    void OnCommand(int id) override;

    // Switches the game's sounds off (silently) or on (with a click, heard because sound is on).
    void ToggleSound();

protected:
    void DoDataExchange() override;

private:
    // Raises `flag`, plays the click, then closes with `result`.
    void Choose(int& flag, int result);
    void SkinSoundButton();
};
