// SPDX-License-Identifier: MIT
#pragma once
// The description of a bitmap as the framework reports it (GetBitmap, GetObject).

#include "platform/WinTypes.h"

struct BITMAP {
    LONG bmType = 0;
    LONG bmWidth = 0;
    LONG bmHeight = 0;
    LONG bmWidthBytes = 0;
    WORD bmPlanes = 1;
    WORD bmBitsPixel = 32;
    void* bmBits = nullptr;  // never exposed: pixels are read through a device context
};
