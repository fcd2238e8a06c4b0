// SPDX-License-Identifier: MIT
#include "dialogs/CMenuDlg.h"
#include "dialogs/ButtonLettering.h"
#include "dialogs/DialogLook.h"

#include "controls/GameSoundPlayer.h"
#include "dialogs/RememberedSettings.h"
#include "platform/access/AccessibleText.h"
#include "resources/GameDialogTemplates.h"
#include "resources/ResourceIds.h"

namespace {

void SkinPictureButton(CSkinButton& button, unsigned normal, unsigned hover, const QString& caption,
                       const CaptionStyle& style = lettering::steelAction) {
    button.SetCaptionStyle(style);
    button.SetSkin(normal, normal, hover, 0, 0, 0, 0, 0, 0, caption.toStdString(), lettering::actionBody,
                   kButtonFontHeight);
}

}  // namespace

CMenuDlg::CMenuDlg(QWidget* parent) : CSkinDialog(IDD_MENU, parent) {}

void CMenuDlg::DoDataExchange() {
    DDX_Control(IDC_MENU_NEW_GAME, newGameButton);
    DDX_Control(IDC_MENU_ABOUT, aboutButton);
    DDX_Control(IDC_MENU_QUIT, quitButton);
    DDX_Control(IDC_MENU_HIGH_SCORES, highScoresButton);
    DDX_Control(IDCANCEL, closeButton);
    DDX_Control(IDC_MENU_SOUND, soundButton);
}

bool CMenuDlg::OnInitDialog() {
    quitRequested = 0;
    aboutRequested = 0;
    highScoresRequested = 0;
    newGameRequested = 0;
    EnableDrag(1);
    LoadBackground(IDB_MENU_BACKGROUND);
    // The menu has no caption; a screen reader still names it.
    SetAccessibleName(this, tr("Game menu"));

    // The buttons are named by their captions; the sound switch, a check box, by what it switches.
    SetAccessibleName(soundButton, tr("Sound"));
    //: Closes the game menu.
    SkinPictureButton(*closeButton, IDB_OK, IDB_OK_SELECTED, tr("OK"));
    SkinPictureButton(*highScoresButton, IDB_HIGH_SCORES, IDB_HIGH_SCORES_SELECTED, tr("High Scores"));
    SkinPictureButton(*newGameButton, IDB_NEW_GAME, IDB_NEW_GAME_SELECTED, tr("Start New Game"));
    //: Shows what the game is and who made it.
    SkinPictureButton(*aboutButton, IDB_ABOUT, IDB_ABOUT_SELECTED, tr("About"));
    SkinPictureButton(*quitButton, IDB_QUIT, IDB_QUIT_SELECTED, tr("Quit Game"), lettering::leaveAction);
    SkinSoundButton();
    return true;
}

void CMenuDlg::OnCommand(int id) {
    switch (id) {
    case IDC_MENU_QUIT:
        Choose(quitRequested, IDOK);
        return;
    case IDC_MENU_ABOUT:
        Choose(aboutRequested, IDCANCEL);
        return;
    case IDC_MENU_HIGH_SCORES:
        Choose(highScoresRequested, IDCANCEL);
        return;
    case IDC_MENU_NEW_GAME:
        Choose(newGameRequested, IDCANCEL);
        return;
    case IDC_MENU_SOUND:
        ToggleSound();
        return;
    default:
        CSkinDialog::OnCommand(id);
    }
}

void CMenuDlg::Choose(int& flag, int result) {
    flag = 1;
    PlayGameSound(IDW_CLICK, 1, 0, 0);
    EndDialog(result);
}

void CMenuDlg::ToggleSound() {
    if (soundEnabled != 0) {
        soundEnabled = 0;
    } else {
        soundEnabled = 1;
        PlayGameSound(IDW_CLICK, 1, 0, 0);
    }
    RememberSound(soundEnabled);
    SkinSoundButton();
    soundButton->update();
}

void CMenuDlg::SkinSoundButton() {
    // Checked while sound is on, for screen readers; the picture says which.
    soundButton->SetCheck(soundEnabled != 0);
    const bool on = soundEnabled != 0;
    //: The sound switch while sound is on.
    const QString soundOn = tr("Sound On");
    //: The sound switch while sound is off.
    const QString soundOff = tr("Sound Off");
    soundButton->SetCaptionStyle(on ? lettering::soundOn : lettering::soundOff);
    const unsigned picture = on ? IDB_SOUND_ON : IDB_SOUND_OFF;
    soundButton->SetSkin(picture, picture, 0, 0, 0, 0, 0, 0, 0, (on ? soundOn : soundOff).toStdString(),
                         lettering::soundWords, kButtonFontHeight);
}
