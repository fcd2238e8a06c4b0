#include "app/CGameApp.h"

#include "app/CGameDlg.h"
#include "controls/GameSound.h"
#include "platform/ExecutablePath.h"
#include "platform/Shell.h"
#include "resources/DialogTemplates.h"

CGameApp theApp;

CGameApp::CGameApp()
{
    soundEnabled = 1;
}

BOOL CGameApp::InitInstance()
{
    AfxEnableControlContainer();
    Enable3dControlsStatic();
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

std::filesystem::path HelpPagePath()
{
    return ExecutableDirectory() / kHelpPageName;
}
