// SPDX-License-Identifier: MIT
#include "dialogs/CAboutDlg.h"
#include "dialogs/DialogLook.h"
#include "dialogs/HelpPage.h"

#include "controls/GameSoundPlayer.h"
#include "core/GameSounds.h"
#include "platform/dialog/DataExchange.h"
#include "resources/GameDialogTemplates.h"

namespace {

constexpr int kLinkId = 1530;
constexpr int kNoticeId = 1532;
constexpr COLORREF kWhite = RGB(255, 255, 255);

}  // namespace

CAboutDlg::CAboutDlg(CWnd* parent) : CSkinDialog(IDD_ABOUT, parent)
{
    link.SetTarget(HelpPagePath().string());
}

void CAboutDlg::DoDataExchange(CDataExchange* dx)
{
    CSkinDialog::DoDataExchange(dx);
    DDX_Control(dx, kLinkId, link);
    DDX_Control(dx, kNoticeId, noticeLabel);
}

BOOL CAboutDlg::OnInitDialog()
{
    CSkinDialog::OnInitDialog();
    EnableDrag(1);
    LoadBackground(kDialogBackgroundBitmap);
    // White in every state: the link reads the same on the background picture.
    link.SetLinkColors(kWhite, kWhite, kWhite);
    noticeLabel.SetForeColor(kLabelForeColor);
    noticeLabel.SetBackColor(kLabelBackColor);
    return TRUE;
}

void CAboutDlg::OnOK()
{
    PlayGameSound(kClickSound, 1, 0, 0);
    CSkinDialog::OnOK();
}
