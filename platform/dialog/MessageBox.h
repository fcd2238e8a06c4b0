// SPDX-License-Identifier: MIT
#pragma once
// Message boxes: a modal QMessageBox (MB_ICONEXCLAMATION shows the warning icon, an OK button)
// owned by the given window. Tests replace the presenter to record instead of blocking.

#include <functional>
#include <string>

#include "platform/WinTypes.h"

using MessageBoxPresenter =
    std::function<int(HWND owner, const std::string& text, const std::string& caption, UINT type)>;

// Returns IDOK once the box is closed. A null caption shows "Error".
int MessageBox(HWND owner, const char* text, const char* caption, UINT type);
// Replaces the presenter (empty: the QMessageBox again); returns the previous one.
MessageBoxPresenter SetMessageBoxPresenter(MessageBoxPresenter presenter);
