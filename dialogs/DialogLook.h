// SPDX-License-Identifier: MIT
#pragma once
// The look the game's dialogs share: the background picture of every dialog but the menu, the
// grey strips with white text of their labels, and the font height of their caption-less buttons.

#include "platform/WinTypes.h"

inline constexpr WORD kDialogBackgroundBitmap = 262;
inline constexpr COLORREF kLabelBackColor = RGB(150, 150, 150);
inline constexpr COLORREF kLabelForeColor = RGB(255, 255, 255);
inline constexpr int kButtonFontHeight = 8;
