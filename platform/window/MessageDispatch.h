// SPDX-License-Identifier: MIT
#pragma once
// Delivery of messages to the object attached to a layer window, and the record of the message
// being handled (for DefWindowProc and Default). Posted messages travel as Qt events.

#include <QEvent>

#include "platform/WinTypes.h"

class WindowHost;

struct DispatchFrame {
    WindowHost* host = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    QEvent* event = nullptr;  // the Qt event the message came from; null when sent or posted
    bool defaultRan = false;
};

// Calls the attached object's WindowProc; 0 when the window has no object.
LRESULT DispatchMessage(WindowHost& host, UINT message, WPARAM wParam, LPARAM lParam, QEvent* event = nullptr);
// The innermost message being handled, or null.
DispatchFrame* CurrentDispatch();

class PostedMessageEvent : public QEvent {
public:
    PostedMessageEvent(UINT message, WPARAM wParam, LPARAM lParam);
    static QEvent::Type EventType();

    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

void PostWindowMessage(WindowHost& host, UINT message, WPARAM wParam, LPARAM lParam);
// A control's WM_COMMAND notification: offered to the control's OnChildNotify, then sent to the
// parent window.
void NotifyParent(WindowHost& control, UINT code);
