// SPDX-License-Identifier: MIT
#pragma once
// "Settings for this Game...": the first player's name, the second player (a person or one of
// three computer levels) and the range of the numbers dealt. The object keeps the game's
// settings for the whole run: it shows them when it opens and writes them back on Done; Escape
// changes nothing.

#include <QPointer>
#include <array>

#include "controls/CColorLabel.h"
#include "controls/CSkinButton.h"
#include "core/GameSettings.h"
#include "dialogs/CSkinDialog.h"

class CSettingsDlg : public CSkinDialog, public GameSettings {
    Q_OBJECT

public:
    explicit CSettingsDlg(QWidget* parent = nullptr);

    QPointer<CSkinButton> range0To10Button;
    QPointer<CSkinButton> range0To25Button;
    QPointer<CSkinButton> rangeMinus10To10Button;
    QPointer<CSkinButton> rangeMinus25To25Button;
    QPointer<CSkinButton> doneButton;
    QPointer<CSkinButton> noviceButton;
    QPointer<CSkinButton> intermediateButton;
    QPointer<CSkinButton> expertButton;
    QPointer<CSkinButton> personButton;

    QPointer<CColorLabel> firstNameLabel;
    QPointer<CColorLabel> opponentLabel;
    QPointer<CColorLabel> secondNameLabel;
    QPointer<CColorLabel> rangeLabel;

    bool OnInitDialog() override;
    void OnCommand(int id) override;
    // Done: writes the settings from the controls, plays the click, closes with IDOK.
    void OnOK() override;

protected:
    void DoDataExchange() override;

private:
    void ShowSettings();
    void ReadOpponent();
    void ReadRange();
    void EnableSecondName(bool enable);
    // Indexed by NumberRange.
    std::array<CSkinButton*, 4> RangeButtons() const;
};
