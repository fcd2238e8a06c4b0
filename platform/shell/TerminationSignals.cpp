// SPDX-License-Identifier: MIT
#include "platform/shell/TerminationSignals.h"

#include "platform/dialog/CDialog.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <array>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP};

// The handler may only write to a pipe; the event loop reads the other end.
int g_signalPipe[2] = {-1, -1};

void OnSignal(int signalNumber) {
    std::signal(signalNumber, SIG_DFL);
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
}

// Each close ends one modal loop; the window beneath may run a little code (the board saves its
// results) before it is closed in turn. Whatever opens afterwards is closed too, until the
// program ends.
void CloseInnermostWindow() {
    // A message box first; then the dialogs, which may run inside their owner's window.
    if (QWidget* modal = QApplication::activeModalWidget();
        modal != nullptr && qobject_cast<CDialog*>(modal) == nullptr) {
        modal->close();
    } else if (CDialog* dialog = CDialog::Innermost()) {
        dialog->close();
    } else {
        QApplication::closeAllWindows();
        QApplication::quit();
    }
    QTimer::singleShot(10, CloseInnermostWindow);
}

}  // namespace

void CloseWindowsOnTerminationSignals() {
    if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier] {
        char byte = 0;
        while (::read(g_signalPipe[0], &byte, 1) > 0) {
        }
        notifier->setEnabled(false);
        CloseInnermostWindow();
    });
    for (const int signalNumber : kSignals) {
        std::signal(signalNumber, OnSignal);
    }
}
