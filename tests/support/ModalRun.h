// SPDX-License-Identifier: MIT
#pragma once
// Runs a dialog modally from a test, through the modal hook of CDialog (its test seam).

#include <functional>

#include "platform/dialog/CDialog.h"

// Runs `dialog` modally; `script` acts on it once its modal loop runs and should end it. A dialog
// the script leaves open fails the test and is cancelled, so no test waits forever. Returns
// DoModal's result.
int RunModal(CDialog& dialog, const std::function<void(CDialog&)>& script);

// Runs `body` inside `dialog`'s modal loop, then cancels the dialog.
int RunInModalLoop(CDialog& dialog, const std::function<void()>& body);
