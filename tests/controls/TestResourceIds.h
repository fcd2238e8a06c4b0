// SPDX-License-Identifier: MIT
#pragma once
// The bitmaps compiled into the control tests (tests/controls/bitmaps), under ids of their own.

#include <QColor>

// 40 x 20 plain colours for the button states.
inline constexpr unsigned kRed = 9001;
inline constexpr unsigned kGreen = 9002;
inline constexpr unsigned kBlue = 9003;
inline constexpr unsigned kYellow = 9004;
inline constexpr unsigned kCyan = 9005;
// 30 x 16, its first five columns white and the rest black.
inline constexpr unsigned kMaskOpenLeft = 9006;
// 10 x 10, its first column red and the rest blue.
inline constexpr unsigned kRedColumn = 9007;
// 30 x 20, a colour of its own at every pixel (Gradient in TestBitmaps.h).
inline constexpr unsigned kGradient = 9008;
// 20 x 20 quadrants: red top left, green bottom left, blue top right, white bottom right.
inline constexpr unsigned kQuadrants = 9009;
// 30 x 20: column 0 red, the rest of row 0 green, everything else blue; each tile's corner shows.
inline constexpr unsigned kMarkedTile = 9010;
// 10 x 10 masks: all black, all white, and black on and below the diagonal (x <= y).
inline constexpr unsigned kBlackMask = 9011;
inline constexpr unsigned kWhiteMask = 9012;
inline constexpr unsigned kDiagonalMask = 9013;
// 8 x 4 white, its last column black.
inline constexpr unsigned kLastColumnMask = 9014;
// 8 x 4: row 0 dark grey throughout; row 1 black but its last pixel; row 2 black at x 1, 2 and 5;
// row 3 white but (2, 3), which is nearly white (255, 255, 254).
inline constexpr unsigned kRunsMask = 9015;
// No bitmap has this id.
inline constexpr unsigned kMissing = 9999;

inline constexpr QRgb kRedColour = qRgb(200, 0, 0);
inline constexpr QRgb kGreenColour = qRgb(0, 200, 0);
inline constexpr QRgb kBlueColour = qRgb(0, 0, 200);
inline constexpr QRgb kYellowColour = qRgb(200, 200, 0);
inline constexpr QRgb kCyanColour = qRgb(0, 200, 200);
inline constexpr QRgb kWhiteColour = qRgb(255, 255, 255);
