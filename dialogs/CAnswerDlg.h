// SPDX-License-Identifier: MIT
#pragma once
// The challenge: a person who has just completed a line types the sum of its three numbers.
// The dialog does not judge the answer; the caller compares `answer` with the sum and shows the
// dialog again after a wrong one. It places itself over the board window clear of the line.

#include <QPointer>
#include <QRect>
#include <QString>
#include <string>

#include "controls/CSkinButton.h"
#include "dialogs/CSkinDialog.h"

class CAnswerDlg : public CSkinDialog {
    Q_OBJECT

public:
    explicit CAnswerDlg(QWidget* parent = nullptr);

    // Set by the caller before each DoModal.
    std::string question;
    // The number typed when "Check Answer" closed the dialog (IDOK); 0 for an empty box or text
    // that does not start with a number.
    int answer = 0;
    // What a screen reader hears before the question ("Not right, try again."); set by the caller.
    QString toldBefore;
    // Screen pixels: the board window, and the vertical extent of the line's three cells.
    QRect ownerRect;
    int lineTop = 0;
    int lineBottom = 0;

    QPointer<CSkinButton> okButton;
    QPointer<CSkinButton> forfeitButton;
    QPointer<CSkinButton> questionLabel;

    // "Check Answer" and Enter: IDOK. "Forfeit Game", Escape and the close box: IDCANCEL.
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

protected:
    void DoDataExchange() override;
};
