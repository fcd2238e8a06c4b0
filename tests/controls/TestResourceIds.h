// SPDX-License-Identifier: MIT
#pragma once
// The bitmaps compiled into the control tests (tests/controls/bitmaps): 40 x 20 plain colours for
// the button states, a 30 x 16 mask whose first five columns are white, and a 10 x 10 tile whose
// first column is red and the rest blue.

#include "platform/WinTypes.h"

inline constexpr UINT kRed = 9001;
inline constexpr UINT kGreen = 9002;
inline constexpr UINT kBlue = 9003;
inline constexpr UINT kYellow = 9004;
inline constexpr UINT kCyan = 9005;
inline constexpr UINT kMaskOpenLeft = 9006;
inline constexpr UINT kRedColumn = 9007;
inline constexpr UINT kMissing = 9999;

inline constexpr COLORREF kRedColour = RGB(200, 0, 0);
inline constexpr COLORREF kGreenColour = RGB(0, 200, 0);
inline constexpr COLORREF kBlueColour = RGB(0, 0, 200);
inline constexpr COLORREF kYellowColour = RGB(200, 200, 0);
inline constexpr COLORREF kCyanColour = RGB(0, 200, 200);
