// SPDX-License-Identifier: MIT
#include "dialogs/CAnswerDlg.h"
#include "dialogs/DialogLook.h"

#include "controls/GameSoundPlayer.h"
#include "core/GameSounds.h"
#include "dialogs/AnswerPlacement.h"
#include "platform/dialog/DataExchange.h"
#include "platform/dialog/EditInputFilter.h"
#include "resources/GameDialogTemplates.h"

namespace {

constexpr int kAnswerBoxId = 1002;
constexpr int kQuestionId = 1003;
constexpr int kQuestionFontHeight = 30;

// A whole number: digits with at most one leading minus sign.
constexpr const char* kAnswerPattern = "-?[0-9]*";

}  // namespace

CAnswerDlg::CAnswerDlg(CWnd* parent) : CSkinDialog(IDD_ANSWER, parent) {}

void CAnswerDlg::DoDataExchange(CDataExchange* dx)
{
    CSkinDialog::DoDataExchange(dx);
    // Read in both directions: opening sets `answer` from the empty box, i.e. 0.
    answer = static_cast<int>(GetDlgItemInt(kAnswerBoxId, nullptr, TRUE));
    DDX_Control(dx, IDOK, okButton);
    DDX_Control(dx, IDCANCEL, forfeitButton);
    DDX_Control(dx, kQuestionId, questionLabel);
}

BOOL CAnswerDlg::OnInitDialog()
{
    CSkinDialog::OnInitDialog();

    CRect dialogRect;
    GetWindowRect(&dialogRect);
    MoveWindow(PlaceClearOfLine(dialogRect, ownerRect, lineTop, lineBottom), FALSE);

    EnableDrag(1);
    LoadBackground(kDialogBackgroundBitmap);
    SetEditInputFilter(GetDlgItem(kAnswerBoxId), kAnswerPattern);
    // No caption on screen; a screen reader hears what is asked, and the box carries the question.
    SetAccessibleName("Add up the line");
    SetAccessibleDescription(question);
    GetDlgItem(kAnswerBoxId)->SetAccessibleName(question);

    okButton.SetSkin(295, 295, 296, 0, 0, 0, 0, 0, 0, "", CRect(), kButtonFontHeight);
    forfeitButton.SetSkin(297, 297, 298, 0, 0, 0, 0, 0, 0, "", CRect(), kButtonFontHeight);
    CRect questionRect;
    questionLabel.GetClientRect(&questionRect);
    questionLabel.SetSkin(292, 292, 292, 0, 0, 0, 0, 0, 0, question, questionRect, kQuestionFontHeight);
    return TRUE;
}

void CAnswerDlg::OnOK()
{
    PlayGameSound(kClickSound, 1, 0, 0);
    CSkinDialog::OnOK();
}

void CAnswerDlg::OnCancel()
{
    PlayGameSound(kClickSound, 1, 0, 0);
    CSkinDialog::OnCancel();
}
