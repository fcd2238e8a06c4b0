// SPDX-License-Identifier: MIT
#include "dialogs/CAboutDlg.h"
#include "dialogs/DialogLook.h"
#include "dialogs/HelpPage.h"

#include "controls/GameSoundPlayer.h"
#include "platform/dialog/DataExchange.h"
#include "resources/GameDialogTemplates.h"
#include "resources/ResourceIds.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

}  // namespace

CAboutDlg::CAboutDlg(CWnd* parent) : CSkinDialog(IDD_ABOUT, parent) {
    link.SetTarget(HelpPagePath().string());
}

void CAboutDlg::DoDataExchange(CDataExchange* dx) {
    CSkinDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_HELP_LINK, link);
    DDX_Control(dx, IDC_ABOUT_NOTICE, noticeLabel);
}

BOOL CAboutDlg::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    EnableDrag(1);
    LoadBackground(IDB_DIALOG_BACKGROUND);
    // White in every state: the link reads the same on the background picture.
    link.SetLinkColors(kWhite, kWhite, kWhite);
    noticeLabel.SetForeColor(kLabelForeColor);
    noticeLabel.SetBackColor(kLabelBackColor);
    return TRUE;
}

void CAboutDlg::OnOK() {
    PlayGameSound(IDW_CLICK, 1, 0, 0);
    CSkinDialog::OnOK();
}
