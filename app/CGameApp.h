#pragma once

#include "platform/CWinApp.h"

#include <filesystem>

// The application: runs the board window modally and ends when it closes.
class CGameApp : public CWinApp {
public:
    CGameApp();

    BOOL InitInstance() override;
    // The help command (F1) opens the how-to-play page shipped beside the program.
    void OnHelp() override;
};

// The how-to-play page beside the executable (just its name when the directory is unknown).
std::filesystem::path HelpPagePath();

extern CGameApp theApp;
