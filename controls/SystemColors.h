// SPDX-License-Identifier: MIT
#pragma once
// The designed platform's standard colours that the game's controls fall back on.

#include <QColor>

inline const QColor kButtonFace(212, 208, 200);
inline const QColor kButtonText(0, 0, 0);
inline const QColor kButtonHighlight(255, 255, 255);
inline const QColor kButtonShadow(128, 128, 128);
inline const QColor kDarkShadow(64, 64, 64);
inline const QColor kGrayText(128, 128, 128);
inline const QColor kHighlight(10, 36, 106);
