// SPDX-License-Identifier: MIT
#include "platform/shell/ShellServices.h"

#include "platform/shell/DesktopShellServices.h"

namespace {

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
