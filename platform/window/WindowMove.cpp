// SPDX-License-Identifier: MIT
#include "platform/window/WindowMove.h"

#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "platform/window/MouseCapture.h"

namespace {

struct MoveState {
    QPointer<QWidget> window;
    QPoint grabOffset;  // pointer position minus the window's frame position
};

MoveState g_move;
bool g_leftDown = false;
QPoint g_lastPointer;

}  // namespace

void NoteMouseEvent(QMouseEvent* event) {
    g_lastPointer = event->globalPosition().toPoint();
    if (event->button() == Qt::LeftButton) {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
            g_leftDown = true;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            g_leftDown = false;
        }
    }
}

void BeginWindowMove(QWidget* window) {
    if (window == nullptr || !g_leftDown || g_move.window) {
        return;
    }
    if (QWindow* handle = window->windowHandle(); handle != nullptr && handle->startSystemMove()) {
        return;
    }
    g_move.window = window;
    g_move.grabOffset = g_lastPointer - window->pos();
    SetMouseCapture(window);
}

bool ContinueWindowMove(QMouseEvent* event) {
    if (!g_move.window) {
        return false;
    }
    const QPoint pointer = event->globalPosition().toPoint();
    if (event->type() == QEvent::MouseMove) {
        g_move.window->move(pointer - g_move.grabOffset);
    } else if (event->type() == QEvent::MouseButtonRelease && event->button() == Qt::LeftButton) {
        g_move.window->move(pointer - g_move.grabOffset);
        ReleaseMouseCapture();
        g_move.window = nullptr;
    }
    return true;
}
