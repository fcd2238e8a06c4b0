// SPDX-License-Identifier: MIT
#pragma once

#include "platform/shell/CWinApp.h"

// The application: runs the board window modally and ends when it closes.
class CGameApp : public CWinApp {
public:
    CGameApp();

    bool InitInstance() override;
    // The help command (F1) opens the how-to-play page (HelpPage.h).
    void OnHelp() override;
};

extern CGameApp theApp;
