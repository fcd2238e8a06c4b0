// SPDX-License-Identifier: MIT
#pragma once
// Qt keys <-> the framework's virtual-key codes, for WM_KEYDOWN.

#include "platform/WinTypes.h"

// 0 for keys the game has no code for.
UINT VirtualKeyFromQtKey(int qtKey);
// Qt::Key_unknown for an unknown code.
int QtKeyFromVirtualKey(UINT virtualKey);
inline bool IsArrowKey(UINT virtualKey) {
    return virtualKey >= VK_LEFT && virtualKey <= VK_DOWN;
}
