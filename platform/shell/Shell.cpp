// SPDX-License-Identifier: MIT
#include "platform/shell/Shell.h"

#include <QString>

#include "platform/shell/ShellServices.h"

int ShellExecute(QWidget*, const std::string& verb, const std::string& target, const std::string&, const std::string&,
                 int showCommand) {
    if (!verb.empty() && QString::fromStdString(verb).compare(QLatin1String("open"), Qt::CaseInsensitive) != 0) {
        return SE_ERR_NOASSOC;
    }
    return CurrentShellServices().OpenDocument(target, showCommand);
}

BOOL MessageBeep(UINT type) {
    CurrentShellServices().Beep(type);
    return TRUE;
}
