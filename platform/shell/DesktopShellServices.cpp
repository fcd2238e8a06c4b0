// SPDX-License-Identifier: MIT
#include "platform/shell/DesktopShellServices.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <QUrl>

namespace {

// Long enough for an opener that finds nothing to say so; windows keep painting meanwhile.
constexpr int kOpenerWaitMs = 3000;
constexpr int kOpenerFileNotFound = 2;

QUrl UrlOf(const std::string& target) {
    const QString text = QString::fromStdString(target);
    const QUrl url(text);
    // A one-letter scheme would be a drive letter; anything without a scheme is a local path.
    return url.scheme().size() < 2 ? QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath()) : url;
}

ShellServices* replacement = nullptr;

}  // namespace

ShellServices& CurrentShellServices() {
    if (replacement != nullptr) {
        return *replacement;
    }
    static DesktopShellServices desktop;
    return desktop;
}

ShellServices* SetShellServices(ShellServices* services) {
    ShellServices* previous = replacement;
    replacement = services;
    return previous;
}

int DesktopShellServices::OpenDocument(const std::string& target) {
    if (target.empty()) {
        return kOpenFileNotFound;
    }
    const QUrl url = UrlOf(target);
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) {
        return kOpenFileNotFound;
    }
    auto* opener = new QProcess(qApp);
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    opener->start(QStringLiteral("xdg-open"), {QString::fromUtf8(url.toEncoded())});
    if (!opener->waitForStarted()) {
        delete opener;
        return kOpenNoAssociation;
    }
    QEventLoop wait;
    QObject::connect(opener, &QProcess::finished, &wait, &QEventLoop::quit);
    QTimer::singleShot(kOpenerWaitMs, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    if (opener->state() != QProcess::NotRunning) {
        QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
        return kOpenedDocument;
    }
    const bool opened = opener->exitStatus() == QProcess::NormalExit && opener->exitCode() == 0;
    const int exitCode = opener->exitCode();
    delete opener;
    if (opened) {
        return kOpenedDocument;
    }
    return exitCode == kOpenerFileNotFound ? kOpenFileNotFound : kOpenNoAssociation;
}

void DesktopShellServices::Beep() {
    QApplication::beep();
}
