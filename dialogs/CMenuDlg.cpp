// SPDX-License-Identifier: MIT
#include "dialogs/CMenuDlg.h"
#include "dialogs/DialogLook.h"

#include "controls/GameSoundPlayer.h"
#include "dialogs/RememberedSettings.h"
#include "platform/access/AccessibleText.h"
#include "resources/GameDialogTemplates.h"
#include "resources/ResourceIds.h"

namespace {

void SkinPictureButton(CSkinButton& button, unsigned normal, unsigned hover) {
    button.SetSkin(normal, normal, hover, 0, 0, 0, 0, 0, 0, "", QRect(), kButtonFontHeight);
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
    SetAccessibleName(this, QStringLiteral("Game menu"));

    // The words on the pictures, which the template's texts are not.
    SetAccessibleName(closeButton, tr("OK"));
    SetAccessibleName(aboutButton, tr("About"));
    SetAccessibleName(soundButton, tr("Sound"));
    SkinPictureButton(*closeButton, IDB_OK, IDB_OK_SELECTED);
    SkinPictureButton(*highScoresButton, IDB_HIGH_SCORES, IDB_HIGH_SCORES_SELECTED);
    SkinPictureButton(*newGameButton, IDB_NEW_GAME, IDB_NEW_GAME_SELECTED);
    SkinPictureButton(*aboutButton, IDB_ABOUT, IDB_ABOUT_SELECTED);
    SkinPictureButton(*quitButton, IDB_QUIT, IDB_QUIT_SELECTED);
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
    const unsigned picture = soundEnabled != 0 ? IDB_SOUND_ON : IDB_SOUND_OFF;
    soundButton->SetSkin(picture, picture, 0, 0, 0, 0, 0, 0, 0, "", QRect(), kButtonFontHeight);
}
