// SPDX-License-Identifier: MIT
#pragma once
// The application object and the program's entry: one object of a CWinApp subclass exists with
// static storage duration; RunApplication creates the QApplication and calls its InitInstance.

#include "platform/shell/ProgramCommandLine.h"

class QWidget;

class CWinApp {
public:
    // Registers this object as the application (AfxGetApp). `appName` is not used.
    explicit CWinApp(const char* appName = nullptr);
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    // The program ends once it returns (a dialog-based application runs its main dialog modally
    // inside); the result is not used.
    virtual bool InitInstance();
    // The help command (F1): there is no help file, so nothing happens.
    virtual void OnHelp();

    // The window that owns dialogs shown without a parent.
    QWidget* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();

// Answers the command line (ProgramCommandLine.h), creates the QApplication, calls InitInstance of
// the application object in the player's language (the program's translations are compiled in as
// ":/translations/<name>_<language>.qm", ProgramTranslations.h) and returns the exit code (0 once
// it has returned, or after --help or --version; 1 when there is no application object; 2 for a
// bad command line).
int RunApplication(int argc, char** argv, const ApplicationIdentity& identity);
