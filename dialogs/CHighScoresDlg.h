// SPDX-License-Identifier: MIT
#pragma once
// "High Scores": the ten lines of one number range, with the lines the last recorded game added
// marked " ** ... **". The board window keeps one object for its whole life; it also holds the
// table and its file (HighScoreRecords).

#include <QPointer>
#include <array>

#include "controls/CColorLabel.h"
#include "controls/CSkinButton.h"
#include "dialogs/CSkinDialog.h"
#include "scores/HighScoreRecords.h"

class CHighScoresDlg : public CSkinDialog, public HighScoreRecords {
    Q_OBJECT

public:
    explicit CHighScoresDlg(QWidget* parent = nullptr);

    // Indexed by NumberRange: buttons 1523 to 1526.
    std::array<QPointer<CSkinButton>, 4> rangeButtons;
    QPointer<CSkinButton> doneButton;
    // Labels 1016 to 1025, the best line first.
    std::array<QPointer<CColorLabel>, 10> lineLabels;

    // Opens on `lastRange`.
    bool OnInitDialog() override;
    void OnCommand(int id) override;
    // Done: plays the click and clears the marks; Escape and the close box keep them.
    void OnOK() override;

    // Writes the ten lines of `shownRange` into the labels.
    void FillLines();
    void AnnounceLines();

protected:
    void DoDataExchange() override;
};
