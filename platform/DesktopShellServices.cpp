// SPDX-License-Identifier: MIT
#include "platform/DesktopShellServices.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "platform/CommandLine.h"
#include "platform/Shell.h"
#include "platform/XdgAssociations.h"

namespace {

constexpr int openSucceeded = 42;

}  // namespace

int DesktopShellServices::OpenDocument(const std::string& target, int) {
    if (target.empty()) {
        return ERROR_FILE_NOT_FOUND;
    }
    const QString text = QString::fromStdString(target);
    QUrl url(text);
    // A one-letter scheme would be a drive letter; anything without a scheme is a local path.
    if (url.scheme().size() < 2) {
        url = QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
    }
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) {
        return ERROR_FILE_NOT_FOUND;
    }
    return QDesktopServices::openUrl(url) ? openSucceeded : SE_ERR_NOASSOC;
}

std::optional<std::string> DesktopShellServices::ClassesRootValue(const std::string& subKey) {
    return ClassesRootValueFromXdg(subKey, XdgDirectories::FromEnvironment());
}

int DesktopShellServices::RunCommand(const std::string& commandLine, int) {
    const auto arguments = SplitCommandLine(commandLine);
    if (!arguments || arguments->empty()) {
        return ERROR_FILE_NOT_FOUND;
    }
    const QString program = QString::fromStdString(arguments->front());
    const QString executable = program.contains(QLatin1Char('/'))
                                   ? (QFileInfo(program).isExecutable() && QFileInfo(program).isFile() ? program : QString())
                                   : QStandardPaths::findExecutable(program);
    if (executable.isEmpty()) {
        return ERROR_FILE_NOT_FOUND;
    }
    QStringList rest;
    for (auto argument = arguments->begin() + 1; argument != arguments->end(); ++argument) {
        rest << QString::fromStdString(*argument);
    }
    return QProcess::startDetached(executable, rest) ? WINEXEC_SUCCESS : ERROR_FILE_NOT_FOUND;
}

void DesktopShellServices::Beep(UINT) {
    QApplication::beep();
}
