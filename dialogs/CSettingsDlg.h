// SPDX-License-Identifier: MIT
#pragma once
// "Settings for this Game...": the first player's name, the second player (a person or one of
// three computer levels) and the range of the numbers dealt. The object keeps the game's
// settings for the whole run: it shows them when it opens and writes them back on Done; Escape
// changes nothing.

#include <array>

#include "controls/CColorLabel.h"
#include "controls/CSkinButton.h"
#include "core/GameSettings.h"
#include "dialogs/CSkinDialog.h"

class CSettingsDlg : public CSkinDialog, public GameSettings {
public:
    explicit CSettingsDlg(CWnd* parent = nullptr);

    CSkinButton range0To10Button;
    CSkinButton range0To25Button;
    CSkinButton rangeMinus10To10Button;
    CSkinButton rangeMinus25To25Button;
    CSkinButton doneButton;
    CSkinButton noviceButton;
    CSkinButton intermediateButton;
    CSkinButton expertButton;
    CSkinButton personButton;

    CColorLabel firstNameLabel;
    CColorLabel opponentLabel;
    CColorLabel secondNameLabel;
    CColorLabel rangeLabel;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Done: writes the settings from the controls, plays the click, closes with IDOK.
    void OnOK() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;

private:
    void ShowSettings();
    void ReadOpponent();
    void ReadRange();
    void EnableSecondName(bool enable);
    // Indexed by NumberRange.
    std::array<CSkinButton*, 4> RangeButtons();
};
