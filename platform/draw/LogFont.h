// SPDX-License-Identifier: MIT
#pragma once
// The description of a font, field for field as the framework's LOGFONT; the face name is a
// growing string instead of a fixed 32-byte array.

#include <string>

#include "platform/WinTypes.h"

struct LOGFONT {
    LONG lfHeight = 0;  // > 0: cell height in pixels; < 0: character (em) height; 0: default size
    LONG lfWidth = 0;   // average character width; 0 = the face's own proportions (others ignored)
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = 0;  // 0 = FW_NORMAL; 100..900
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    std::string lfFaceName;
};
