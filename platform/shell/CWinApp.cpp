// SPDX-License-Identifier: MIT
#include "platform/shell/CWinApp.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QStringList>
#include <optional>

#include "platform/draw/BackgroundWork.h"
#include "platform/shell/ProgramTranslations.h"
#include "platform/shell/TerminationSignals.h"

namespace {

CWinApp* g_application = nullptr;

}  // namespace

CWinApp::CWinApp(const char*) {
    g_application = this;
}

CWinApp::~CWinApp() {
    if (g_application == this) {
        g_application = nullptr;
    }
}

bool CWinApp::InitInstance() {
    return false;
}

void CWinApp::OnHelp() {}

CWinApp* AfxGetApp() {
    return g_application;
}

int RunApplication(int argc, char** argv, const ApplicationIdentity& identity) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    ProgramTranslations translations(QString::fromUtf8(identity.name), QStringLiteral(":/translations"));
    // The command line is answered before the toolkit starts, so that --help needs no display; a
    // core application of its own carries the translations meanwhile.
    std::optional<int> exitCode;
    {
        int count = argc;
        const QCoreApplication commandLine(count, argv);
        translations.Install();
        exitCode = AnswerCommandLine(arguments, identity);
    }
    if (exitCode) {
        return *exitCode;
    }
    QApplication::setApplicationName(QString::fromUtf8(identity.name));
    QApplication::setApplicationVersion(QString::fromUtf8(identity.version));
    // Launchers group the windows under the desktop entry's icon.
    QApplication::setDesktopFileName(QString::fromUtf8(identity.desktopFileName));
    // QApplication keeps a reference to the count for its whole life.
    int count = argc;
    QApplication application(count, argv);
    translations.Install();
    // The first accessibility call connects to the session bus; with no bus address libdbus forks to
    // start one. It is made here, before InitInstance sets worker threads going: a fork while a
    // worker held a lock (the allocator's) left the child stuck and the program waiting for it.
    QAccessible::isActive();
    CloseWindowsOnTerminationSignals();
    CWinApp* app = AfxGetApp();
    if (app == nullptr) {
        FinishBackgroundWork();
        return 1;
    }
    // A dialog-based application runs its main dialog modally inside InitInstance and ends when it
    // returns, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    app->InitInstance();
    FinishBackgroundWork();
    return 0;
}
