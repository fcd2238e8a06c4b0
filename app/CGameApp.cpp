// SPDX-License-Identifier: MIT
#include "app/CGameApp.h"

#include "app/CGameDlg.h"
#include "controls/GameSoundPlayer.h"
#include "dialogs/HelpPage.h"
#include "platform/draw/CFont.h"
#include "platform/draw/Resources.h"
#include "platform/shell/Shell.h"
#include "resources/GameDialogTemplates.h"

CGameApp theApp;

namespace {

// What the first second shows, in the order it is needed: the board (emblem, background, menu
// button, free tiles, plates), then the settings dialog over it (background, range, Done and opponent
// buttons).
const std::vector<UINT> kBoardPictures = {278, 218, 219, 223, 152, 155, 221, 222};
const std::vector<UINT> kSettingsPictures = {262, 246, 253, 248, 254, 249, 256, 250, 255,
                                             251, 252, 271, 272, 265, 266, 267, 268, 269, 270};

}

CGameApp::CGameApp()
{
    soundEnabled = 1;
}

BOOL CGameApp::InitInstance()
{
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
    return FALSE;
}

void CGameApp::OnHelp()
{
    const int result = ShellExecute(nullptr, "open", HelpPagePath().string(), "", "", SW_SHOW);
    if (result <= 32) {
        MessageBeep(MB_ICONEXCLAMATION);
    }
}
