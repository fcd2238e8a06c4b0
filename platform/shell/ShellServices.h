// SPDX-License-Identifier: MIT
#pragma once
// The desktop's opener and its beep. The program uses DesktopShellServices; tests put a fake in
// its place.

#include <string>

// What opening a document gives: greater than 32 on success, otherwise the failure's code as the
// designed platform numbers it.
inline constexpr int kOpenedDocument = 42;
inline constexpr int kOpenFileNotFound = 2;
inline constexpr int kOpenNoAssociation = 31;

class ShellServices {
public:
    virtual ~ShellServices() = default;
    // Opens `target` (a file or an address) the desktop's way.
    virtual int OpenDocument(const std::string& target) = 0;
    // The warning beep.
    virtual void Beep() = 0;
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
