// SPDX-License-Identifier: MIT
#pragma once
// The shell services of a Linux desktop:
// - open: the desktop's own opener, xdg-open, run without a shell (as QDesktopServices does), so
//   the player's chosen browser, sandboxes and portals apply. Its exit status is awaited for a
//   moment: 0, or still running (an opener that runs the browser itself), is success (42); 2 (no
//   such file) gives ERROR_FILE_NOT_FOUND, any other failure SE_ERR_NOASSOC. An empty target or a
//   local file that does not exist gives ERROR_FILE_NOT_FOUND without running anything.
// - MessageBeep: QApplication::beep.

#include "platform/shell/ShellServices.h"

class DesktopShellServices final : public ShellServices {
public:
    int OpenDocument(const std::string& target, int showCommand) override;
    void Beep(UINT type) override;
};
