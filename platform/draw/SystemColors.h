// SPDX-License-Identifier: MIT
#pragma once
// The system colours, fixed to the classic desktop scheme so that drawing is the same on every
// machine and in every test (they do not follow the Qt palette).
//   COLOR_BTNFACE, COLOR_3DLIGHT (212,208,200)   COLOR_BTNSHADOW, COLOR_GRAYTEXT (128,128,128)
//   COLOR_BTNHIGHLIGHT, COLOR_WINDOW (255,255,255)   COLOR_3DDKSHADOW (64,64,64)
//   COLOR_BTNTEXT, COLOR_WINDOWTEXT (0,0,0)   COLOR_HIGHLIGHT (10,36,106)
// Any other index gives black.

#include "platform/WinTypes.h"

inline constexpr int COLOR_BTNSHADOW = 16;
inline constexpr int COLOR_3DDKSHADOW = 21;
inline constexpr int COLOR_3DLIGHT = 22;

COLORREF GetSysColor(int index);
