// SPDX-License-Identifier: MIT
#pragma once
// The challenge: a person who has just completed a line types the sum of its three numbers.
// The dialog does not judge the answer; the caller compares `answer` with the sum and shows the
// dialog again after a wrong one. It places itself over the board window clear of the line.

#include <string>

#include "controls/CSkinButton.h"
#include "dialogs/CSkinDialog.h"
#include "platform/Geometry.h"

class CAnswerDlg : public CSkinDialog {
public:
    explicit CAnswerDlg(CWnd* parent = nullptr);

    // Set by the caller before each DoModal.
    std::string question;
    // The number typed when "Check Answer" closed the dialog (IDOK); 0 for an empty box or text
    // that does not start with a number.
    int answer = 0;
    // Screen pixels: the board window, and the vertical extent of the line's three cells.
    CRect ownerRect;
    int lineTop = 0;
    int lineBottom = 0;

    CSkinButton okButton;
    CSkinButton forfeitButton;
    CSkinButton questionLabel;

    // "Check Answer" and Enter: IDOK. "Forfeit Game", Escape and the close box: IDCANCEL.
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
};
