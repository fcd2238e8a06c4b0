// SPDX-License-Identifier: MIT
#include "dialogs/CAboutDlg.h"
#include "dialogs/DialogLook.h"
#include "dialogs/HelpPage.h"

#include "controls/GameSoundPlayer.h"
#include "resources/GameDialogTemplates.h"
#include "resources/ResourceIds.h"

namespace {

const QColor kWhite(255, 255, 255);

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : CSkinDialog(IDD_ABOUT, parent) {}

void CAboutDlg::DoDataExchange() {
    DDX_Control(IDC_HELP_LINK, link);
    DDX_Control(IDC_ABOUT_NOTICE, noticeLabel);
}

bool CAboutDlg::OnInitDialog() {
    EnableDrag(1);
    LoadBackground(IDB_DIALOG_BACKGROUND);
    link->SetTarget(HelpPagePath().string());
    // White in every state: the link reads the same on the background picture.
    link->SetLinkColors(kWhite, kWhite, kWhite);
    noticeLabel->SetForeColor(kLabelForeColor);
    noticeLabel->SetBackColor(kLabelBackColor);
    return true;
}

void CAboutDlg::OnOK() {
    PlayGameSound(IDW_CLICK, 1, 0, 0);
    CSkinDialog::OnOK();
}
