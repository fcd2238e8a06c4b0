// SPDX-License-Identifier: MIT
#pragma once
// The look the game's dialogs share: the grey strips with white text of their labels and the font
// height of their caption-less buttons (their background is IDB_DIALOG_BACKGROUND).

#include <QColor>

inline const QColor kLabelBackColor(150, 150, 150);
inline const QColor kLabelForeColor(255, 255, 255);
inline constexpr int kButtonFontHeight = 8;
