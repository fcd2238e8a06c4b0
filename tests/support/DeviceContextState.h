// SPDX-License-Identifier: MIT
#pragma once
// What a colour request left in a DC, read as the framework's callers read it: a setter hands back
// the value it replaces.

#include "platform/draw/CDC.h"

inline COLORREF TextColourOf(CDC& dc) {
    const COLORREF colour = dc.SetTextColor(0);
    dc.SetTextColor(colour);
    return colour;
}

inline COLORREF BackgroundColourOf(CDC& dc) {
    const COLORREF colour = dc.SetBkColor(0);
    dc.SetBkColor(colour);
    return colour;
}

inline int BackgroundModeOf(CDC& dc) {
    const int mode = dc.SetBkMode(OPAQUE);
    dc.SetBkMode(mode);
    return mode;
}
