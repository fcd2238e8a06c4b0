// SPDX-License-Identifier: MIT
#pragma once
// The framework's shell calls, through the current ShellServices.

#include <string>

#include "platform/WinTypes.h"

class QWidget;

// Only the verb "open" (or an empty verb) is known; any other gives SE_ERR_NOASSOC. `owner`,
// `parameters` and `directory` are accepted for the framework's shape and not used.
// Greater than 32 means success.
int ShellExecute(QWidget* owner, const std::string& verb, const std::string& target, const std::string& parameters,
                 const std::string& directory, int showCommand);
BOOL MessageBeep(UINT type);
