// SPDX-License-Identifier: MIT
#pragma once
// The shell services of a Linux desktop:
// - open: the desktop's own opener, xdg-open, run without a shell (as QDesktopServices does), so
//   the player's chosen browser, sandboxes and portals apply. Its exit status is awaited for a
//   moment: 0, or still running (an opener that runs the browser itself), is success; 2 (no such
//   file) gives kOpenFileNotFound, any other failure kOpenNoAssociation. An empty target or a local
//   file that does not exist gives kOpenFileNotFound without running anything.
// - the beep: QApplication::beep.

#include "platform/shell/ShellServices.h"

class DesktopShellServices final : public ShellServices {
public:
    int OpenDocument(const std::string& target) override;
    void Beep() override;
};
