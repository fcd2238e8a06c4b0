// SPDX-License-Identifier: MIT
#pragma once
// The seam behind ShellExecute, the HKEY_CLASSES_ROOT queries, WinExec and MessageBeep. The
// program uses DesktopShellServices; tests put a fake in its place.

#include <optional>
#include <string>

#include "platform/WinTypes.h"

class ShellServices {
public:
    virtual ~ShellServices() = default;
    // The verb "open" on `target`: greater than 32 on success, otherwise a platform code.
    virtual int OpenDocument(const std::string& target, int showCommand) = 0;
    // The default value of HKEY_CLASSES_ROOT\`subKey`; nothing when the key does not exist.
    virtual std::optional<std::string> ClassesRootValue(const std::string& subKey) = 0;
    // WinExec: greater than 31 on success, otherwise a platform code.
    virtual int RunCommand(const std::string& commandLine, int showCommand) = 0;
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
