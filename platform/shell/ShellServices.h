// SPDX-License-Identifier: MIT
#pragma once
// The seam behind ShellExecute and MessageBeep. The program uses DesktopShellServices; tests put a
// fake in its place.

#include <string>

#include "platform/WinTypes.h"

class ShellServices {
public:
    virtual ~ShellServices() = default;
    // The verb "open" on `target`: greater than 32 on success, otherwise a platform code.
    virtual int OpenDocument(const std::string& target, int showCommand) = 0;
    virtual void Beep(UINT type) = 0;
};

// The services in use: the ones set last, else the desktop's (created on first use).
ShellServices& CurrentShellServices();
// Puts `services` (not owned; null = the desktop's) in place and returns what it replaces.
ShellServices* SetShellServices(ShellServices* services);

class ScopedShellServices {
public:
    explicit ScopedShellServices(ShellServices& services) : previous_(SetShellServices(&services)) {}
    ~ScopedShellServices() { SetShellServices(previous_); }
    ScopedShellServices(const ScopedShellServices&) = delete;
    ScopedShellServices& operator=(const ScopedShellServices&) = delete;

private:
    ShellServices* previous_;
};
