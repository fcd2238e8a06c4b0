// SPDX-License-Identifier: MIT
#pragma once
// The look the game's dialogs share: the grey strips with white text of their labels and the font
// height of their caption-less buttons (their background is IDB_DIALOG_BACKGROUND).

#include "platform/WinTypes.h"

inline constexpr COLORREF kLabelBackColor = RGB(150, 150, 150);
inline constexpr COLORREF kLabelForeColor = RGB(255, 255, 255);
inline constexpr int kButtonFontHeight = 8;
