#include "dialogs/CAboutDlg.h"
#include "dialogs/DialogLook.h"

#include <filesystem>

#include "controls/GameSound.h"
#include "core/GameSounds.h"
#include "platform/DataExchange.h"
#include "platform/ExecutablePath.h"
#include "resources/DialogTemplates.h"

namespace {

constexpr int kLinkId = 1530;
constexpr int kNoticeId = 1532;
constexpr COLORREF kWhite = RGB(255, 255, 255);

}  // namespace

CAboutDlg::CAboutDlg(CWnd* parent) : CSkinDialog(IDD_ABOUT, parent)
{
    // The page lies beside the program; a bare file name would be looked up wherever the program
    // was started from.
    const std::filesystem::path directory = ExecutableDirectory();
    if (!directory.empty()) {
        link.SetTarget((directory / kHelpPageName).string());
    }
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
