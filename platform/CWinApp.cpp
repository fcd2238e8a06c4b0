#include "platform/CWinApp.h"

#include <QApplication>

#include "platform/BackgroundWork.h"

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

BOOL CWinApp::InitInstance() {
    return TRUE;
}

void CWinApp::OnHelp() {}

CWinApp* AfxGetApp() {
    return g_application;
}

int RunApplication(int argc, char** argv) {
    // QApplication keeps a reference to the count for its whole life.
    int count = argc;
    QApplication application(count, argv);
    CWinApp* app = AfxGetApp();
    if (app == nullptr) {
        FinishBackgroundWork();
        return 1;
    }
    // A dialog-based application ends when InitInstance returns, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    if (!app->InitInstance()) {
        FinishBackgroundWork();
        return 0;
    }
    QApplication::setQuitOnLastWindowClosed(true);
    const int result = QApplication::exec();
    FinishBackgroundWork();
    return result;
}
