// SPDX-License-Identifier: MIT
#pragma once
// A warning in a modal message box (the warning icon and an OK button) over the given window.
// Tests replace the presenter to record instead of blocking.

#include <functional>
#include <string>

class QWidget;

using MessageBoxPresenter = std::function<void(QWidget* owner, const std::string& text, const std::string& caption)>;

// Returns once the box is closed.
void ShowWarning(QWidget* owner, const std::string& text, const std::string& caption);
// Replaces the presenter (empty: the QMessageBox again); returns the previous one.
MessageBoxPresenter SetMessageBoxPresenter(MessageBoxPresenter presenter);
