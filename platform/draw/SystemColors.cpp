// SPDX-License-Identifier: MIT
#include "platform/draw/SystemColors.h"

COLORREF GetSysColor(int index) {
    switch (index) {
    case COLOR_BTNFACE:
    case COLOR_3DLIGHT:
        return RGB(212, 208, 200);
    case COLOR_BTNSHADOW:
    case COLOR_GRAYTEXT:
        return RGB(128, 128, 128);
    case COLOR_BTNHIGHLIGHT:
    case COLOR_WINDOW:
        return RGB(255, 255, 255);
    case COLOR_3DDKSHADOW:
        return RGB(64, 64, 64);
    case COLOR_HIGHLIGHT:
        return RGB(10, 36, 106);
    default:
        return RGB(0, 0, 0);
    }
}
