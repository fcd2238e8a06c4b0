// SPDX-License-Identifier: MIT
#pragma once
// The shell services of a Linux desktop:
// - open: QDesktopServices::openUrl (xdg-open). An empty target or a local file that does not
//   exist gives ERROR_FILE_NOT_FOUND (2); an opener that fails gives SE_ERR_NOASSOC (31);
//   success gives 42.
// - HKEY_CLASSES_ROOT: ".ext" is the desktop id of the default application for the extension's
//   MIME type; "<desktop id>\shell\open\command" is that entry's Exec line in association form
//   (XdgAssociations.h).
// - WinExec: the command line split as desktop entries quote it (CommandLine.h), run without a
//   shell and detached; 33 on success, ERROR_FILE_NOT_FOUND (2) when it is empty, badly quoted,
//   or its program cannot be found or started. The show command is not used.
// - MessageBeep: QApplication::beep.

#include "platform/ShellServices.h"

class DesktopShellServices final : public ShellServices {
public:
    int OpenDocument(const std::string& target, int showCommand) override;
    std::optional<std::string> ClassesRootValue(const std::string& subKey) override;
    int RunCommand(const std::string& commandLine, int showCommand) override;
    void Beep(UINT type) override;
};
