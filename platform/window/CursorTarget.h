// SPDX-License-Identifier: MIT
#pragma once
// Where SetCursor applies: while WM_SETCURSOR is dispatched for a mouse event, the widget under
// the pointer; otherwise the widget found under the pointer's position.

#include <QCursor>

class QWidget;

class CursorTargetScope {
public:
    explicit CursorTargetScope(QWidget* widget);
    ~CursorTargetScope();
    CursorTargetScope(const CursorTargetScope&) = delete;
    CursorTargetScope& operator=(const CursorTargetScope&) = delete;

private:
    QWidget* previous_;
};

// Shows `shape` on the current target (the class cursor of a window that sets none itself).
void ApplyCursorShape(const QCursor& shape);
