// SPDX-License-Identifier: MIT
#include "dialogs/CMenuDlg.h"
#include "dialogs/DialogLook.h"

#include "controls/GameSoundPlayer.h"
#include "core/GameSounds.h"
#include "platform/dialog/DataExchange.h"
#include "resources/GameDialogTemplates.h"

namespace {

constexpr int kNewGameId = 1001;
constexpr int kQuitId = 1002;
constexpr int kAboutId = 1003;
constexpr int kHighScoresId = 1518;
constexpr int kSoundId = 1524;

constexpr WORD kBackgroundBitmap = 244;
constexpr UINT kSoundOnBitmap = 259;
constexpr UINT kSoundOffBitmap = 261;

void SkinPictureButton(CSkinButton& button, UINT normal, UINT hover)
{
    button.SetSkin(normal, normal, hover, 0, 0, 0, 0, 0, 0, "", CRect(), kButtonFontHeight);
}

}  // namespace

CMenuDlg::CMenuDlg(CWnd* parent) : CSkinDialog(IDD_MENU, parent) {}

void CMenuDlg::DoDataExchange(CDataExchange* dx)
{
    CSkinDialog::DoDataExchange(dx);
    DDX_Control(dx, kNewGameId, newGameButton);
    DDX_Control(dx, kAboutId, aboutButton);
    DDX_Control(dx, kQuitId, quitButton);
    DDX_Control(dx, kHighScoresId, highScoresButton);
    DDX_Control(dx, IDCANCEL, closeButton);
    DDX_Control(dx, kSoundId, soundButton);
}

BOOL CMenuDlg::OnInitDialog()
{
    CSkinDialog::OnInitDialog();
    quitRequested = 0;
    aboutRequested = 0;
    highScoresRequested = 0;
    newGameRequested = 0;
    EnableDrag(1);
    LoadBackground(kBackgroundBitmap);
    // The menu has no caption; a screen reader still names it.
    SetAccessibleName("Game menu");

    SkinPictureButton(closeButton, 230, 231);
    SkinPictureButton(highScoresButton, 237, 238);
    SkinPictureButton(newGameButton, 233, 167);
    SkinPictureButton(aboutButton, 168, 243);
    SkinPictureButton(quitButton, 163, 164);
    SkinSoundButton();
    return TRUE;
}

BOOL CMenuDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case kQuitId:
            Choose(quitRequested, IDOK);
            return TRUE;
        case kAboutId:
            Choose(aboutRequested, IDCANCEL);
            return TRUE;
        case kHighScoresId:
            Choose(highScoresRequested, IDCANCEL);
            return TRUE;
        case kNewGameId:
            Choose(newGameRequested, IDCANCEL);
            return TRUE;
        case kSoundId:
            ToggleSound();
            return TRUE;
        default:
            break;
        }
    }
    return CSkinDialog::OnCommand(wParam, lParam);
}

void CMenuDlg::Choose(int& flag, int result)
{
    flag = 1;
    PlayGameSound(kClickSound, 1, 0, 0);
    if (result == IDOK) {
        CSkinDialog::OnOK();
    } else {
        CSkinDialog::OnCancel();
    }
}

void CMenuDlg::ToggleSound()
{
    if (soundEnabled != 0) {
        soundEnabled = 0;
    } else {
        soundEnabled = 1;
        PlayGameSound(kClickSound, 1, 0, 0);
    }
    SkinSoundButton();
    soundButton.Invalidate();
}

void CMenuDlg::SkinSoundButton()
{
    const UINT picture = soundEnabled != 0 ? kSoundOnBitmap : kSoundOffBitmap;
    soundButton.SetSkin(picture, picture, 0, 0, 0, 0, 0, 0, 0, "", CRect(), kButtonFontHeight);
}
