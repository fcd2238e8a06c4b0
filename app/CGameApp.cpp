// SPDX-License-Identifier: MIT
#include "app/CGameApp.h"
#include "resources/ResourceIds.h"

#include "app/CGameDlg.h"
#include "controls/GameSoundPlayer.h"
#include "dialogs/HelpPage.h"
#include "platform/draw/BackgroundWork.h"
#include "platform/draw/Resources.h"
#include "platform/shell/ShellServices.h"
#include "resources/GameDialogTemplates.h"

CGameApp theApp;

namespace {

// What the first second shows, in the order it is needed: the board (emblem, background, menu
// button, free tiles, plates), then the settings dialog over it (background, range, Done and opponent
// buttons).
const std::vector<unsigned> kBoardPictures = {IDB_EMBLEM,           IDB_BOARD_BACKGROUND, IDB_OPTIONS,
                                              IDB_OPTIONS_SELECTED, IDB_FREE_CELL,        IDB_FREE_CELL_PRESSED,
                                              IDB_PLAYER1_PLATE,    IDB_PLAYER2_PLATE};
const std::vector<unsigned> kSettingsPictures = {IDB_DIALOG_BACKGROUND,
                                                 IDB_RANGE_0_TO_10,
                                                 IDB_RANGE_0_TO_10_SELECTED,
                                                 IDB_RANGE_0_TO_25,
                                                 IDB_RANGE_0_TO_25_SELECTED,
                                                 IDB_RANGE_MINUS_10_TO_10,
                                                 IDB_RANGE_MINUS_10_TO_10_SELECTED,
                                                 IDB_RANGE_MINUS_25_TO_25,
                                                 IDB_RANGE_MINUS_25_TO_25_SELECTED,
                                                 IDB_DONE,
                                                 IDB_DONE_SELECTED,
                                                 IDB_NOVICE,
                                                 IDB_NOVICE_SELECTED,
                                                 IDB_INTERMEDIATE,
                                                 IDB_INTERMEDIATE_SELECTED,
                                                 IDB_EXPERT,
                                                 IDB_EXPERT_SELECTED,
                                                 IDB_PERSON,
                                                 IDB_PERSON_SELECTED};

}  // namespace

CGameApp::CGameApp() {
    soundEnabled = 1;
}

bool CGameApp::InitInstance() {
    // On a second core while the board is built: its pictures, the fonts it draws with when it
    // comes on screen, then the pictures of the settings dialog that opens over it.
    PrefetchBitmapResources(kBoardPictures);
    ReadFontDatabaseInBackground();
    PrefetchBitmapResources(kSettingsPictures);
    RegisterGameDialogTemplates();

    CGameDlg board;
    m_pMainWnd = &board;
    board.DoModal();
    // The board object ends with this function; nothing may point at it afterwards.
    m_pMainWnd = nullptr;
    return false;
}

void CGameApp::OnHelp() {
    if (CurrentShellServices().OpenDocument(HelpPagePath().string()) <= 32) {
        CurrentShellServices().Beep();
    }
}
