// SPDX-License-Identifier: MIT
#include "dialogs/CAnswerDlg.h"
#include "dialogs/ButtonLettering.h"
#include "dialogs/DialogLook.h"

#include "controls/GameSoundPlayer.h"
#include "dialogs/AnswerPlacement.h"
#include "platform/access/AccessibleText.h"
#include "platform/dialog/TemplateControls.h"
#include "resources/GameDialogTemplates.h"
#include "resources/ResourceIds.h"

namespace {

constexpr int kQuestionFontHeight = 30;

// A whole number: digits with at most one leading minus sign.
const QString kAnswerPattern = QStringLiteral("-?[0-9]*");

}  // namespace

CAnswerDlg::CAnswerDlg(QWidget* parent) : CSkinDialog(IDD_ANSWER, parent) {}

void CAnswerDlg::DoDataExchange() {
    DDX_Control(IDOK, okButton);
    DDX_Control(IDCANCEL, forfeitButton);
    DDX_Control(IDC_QUESTION, questionLabel);
}

bool CAnswerDlg::OnInitDialog() {
    // Every showing starts from an empty box.
    answer = 0;
    MoveWindow(PlaceClearOfLine(WindowRect(), ownerRect, lineTop, lineBottom, Scale()).topLeft());

    EnableDrag(1);
    LoadBackground(IDB_DIALOG_BACKGROUND);
    auto* answerBox = static_cast<TemplateEdit*>(GetDlgItem(IDC_ANSWER_BOX));
    answerBox->SetPattern(kAnswerPattern);
    // No caption on screen; a screen reader hears what is asked, and the box carries the question.
    const QString asked = QString::fromStdString(question);
    SetAccessibleName(this, tr("Add up the line"));
    SetAccessibleDescription(this, asked);
    SetAccessibleName(answerBox, (toldBefore + QLatin1Char(' ') + asked).trimmed());

    okButton->SetCaptionStyle(lettering::confirmChallenge);
    okButton->SetSkin(IDB_CHECK_ANSWER, IDB_CHECK_ANSWER, IDB_CHECK_ANSWER_SELECTED, 0, 0, 0, 0, 0, 0,
                      tr("Check Answer").toStdString(), lettering::challengeBody, kButtonFontHeight);
    forfeitButton->SetCaptionStyle(lettering::leaveChallenge);
    //: Gives up the line: the other player scores it.
    forfeitButton->SetSkin(IDB_FORFEIT, IDB_FORFEIT, IDB_FORFEIT_SELECTED, 0, 0, 0, 0, 0, 0,
                           tr("Forfeit Game").toStdString(), lettering::challengeBody, kButtonFontHeight);
    // It only shows the question (no tab stop of its own): the box carries it for screen readers.
    questionLabel->ShowAsLabel();
    questionLabel->SetSkin(IDB_QUESTION, IDB_QUESTION, IDB_QUESTION, 0, 0, 0, 0, 0, 0, question,
                           QRect(QPoint(), DesignRect(questionLabel).size()), kQuestionFontHeight);
    return true;
}

void CAnswerDlg::OnOK() {
    PlayGameSound(IDW_CLICK, 1, 0, 0);
    answer = GetDlgItemInt(IDC_ANSWER_BOX);
    CSkinDialog::OnOK();
}

void CAnswerDlg::OnCancel() {
    PlayGameSound(IDW_CLICK, 1, 0, 0);
    CSkinDialog::OnCancel();
}
