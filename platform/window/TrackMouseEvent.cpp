// SPDX-License-Identifier: MIT
#include "platform/window/TrackMouseEvent.h"

#include "platform/window/MessageDispatch.h"
#include "platform/window/WindowHost.h"

BOOL TrackMouseEvent(TRACKMOUSEEVENT* track) {
    WindowHost* host = track != nullptr ? WindowHost::Of(track->hwndTrack) : nullptr;
    if (host == nullptr) {
        return FALSE;
    }
    if ((track->dwFlags & TME_CANCEL) != 0) {
        if ((track->dwFlags & TME_LEAVE) != 0) {
            host->leaveArmed = false;
        }
        return TRUE;
    }
    if ((track->dwFlags & TME_LEAVE) != 0) {
        if (host->mouseInside) {
            host->leaveArmed = true;
        } else {
            PostWindowMessage(*host, WM_MOUSELEAVE, 0, 0);
        }
    }
    return TRUE;
}
