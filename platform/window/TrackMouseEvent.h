// SPDX-License-Identifier: MIT
#pragma once
// Leave notification: with TME_LEAVE, WM_MOUSELEAVE is posted once to hwndTrack when the pointer
// leaves it (at once when it is not over it); TME_CANCEL | TME_LEAVE disarms it.

#include "platform/WinTypes.h"

struct TRACKMOUSEEVENT {
    DWORD cbSize = sizeof(TRACKMOUSEEVENT);
    DWORD dwFlags = 0;
    HWND hwndTrack = nullptr;
    DWORD dwHoverTime = 0;
};

// FALSE when hwndTrack is not a layer window.
BOOL TrackMouseEvent(TRACKMOUSEEVENT* track);
