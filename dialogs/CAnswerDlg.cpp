// SPDX-License-Identifier: MIT
#include "dialogs/CAnswerDlg.h"
#include "dialogs/DialogLook.h"

#include "controls/GameSoundPlayer.h"
#include "dialogs/AnswerPlacement.h"
#include "platform/dialog/DataExchange.h"
#include "platform/dialog/EditInputFilter.h"
#include "resources/GameDialogTemplates.h"
#include "resources/ResourceIds.h"

namespace {

constexpr int kQuestionFontHeight = 30;

// A whole number: digits with at most one leading minus sign.
constexpr const char* kAnswerPattern = "-?[0-9]*";

}  // namespace

CAnswerDlg::CAnswerDlg(CWnd* parent) : CSkinDialog(IDD_ANSWER, parent) {}

void CAnswerDlg::DoDataExchange(CDataExchange* dx) {
    CSkinDialog::DoDataExchange(dx);
    // Read in both directions: opening sets `answer` from the empty box, i.e. 0.
    answer = static_cast<int>(GetDlgItemInt(IDC_ANSWER_BOX, nullptr, TRUE));
    DDX_Control(dx, IDOK, okButton);
    DDX_Control(dx, IDCANCEL, forfeitButton);
    DDX_Control(dx, IDC_QUESTION, questionLabel);
}

BOOL CAnswerDlg::OnInitDialog() {
    CSkinDialog::OnInitDialog();

    CRect dialogRect;
    GetWindowRect(&dialogRect);
    MoveWindow(PlaceClearOfLine(dialogRect, ownerRect, lineTop, lineBottom), FALSE);

    EnableDrag(1);
    LoadBackground(IDB_DIALOG_BACKGROUND);
    SetEditInputFilter(GetDlgItem(IDC_ANSWER_BOX), kAnswerPattern);
    // No caption on screen; a screen reader hears what is asked, and the box carries the question.
    SetAccessibleName("Add up the line");
    SetAccessibleDescription(question);
    GetDlgItem(IDC_ANSWER_BOX)->SetAccessibleName(question);

    okButton.SetSkin(IDB_CHECK_ANSWER, IDB_CHECK_ANSWER, IDB_CHECK_ANSWER_SELECTED, 0, 0, 0, 0, 0, 0, "", CRect(),
                     kButtonFontHeight);
    forfeitButton.SetSkin(IDB_FORFEIT, IDB_FORFEIT, IDB_FORFEIT_SELECTED, 0, 0, 0, 0, 0, 0, "", CRect(),
                          kButtonFontHeight);
    CRect questionRect;
    questionLabel.GetClientRect(&questionRect);
    questionLabel.SetSkin(IDB_QUESTION, IDB_QUESTION, IDB_QUESTION, 0, 0, 0, 0, 0, 0, question, questionRect,
                          kQuestionFontHeight);
    return TRUE;
}

void CAnswerDlg::OnOK() {
    PlayGameSound(IDW_CLICK, 1, 0, 0);
    CSkinDialog::OnOK();
}

void CAnswerDlg::OnCancel() {
    PlayGameSound(IDW_CLICK, 1, 0, 0);
    CSkinDialog::OnCancel();
}
