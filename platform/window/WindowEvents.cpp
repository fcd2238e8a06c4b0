// SPDX-License-Identifier: MIT
// Qt events translated into the messages the windows handle: mouse, keys, focus, timers, closing.
#include "platform/window/WindowHost.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QWidget>
#include <QWindow>
#include <functional>

#include "platform/window/CursorTarget.h"
#include "platform/window/MessageDispatch.h"
#include "platform/window/MouseCapture.h"
#include "platform/window/VirtualKeys.h"
#include "platform/window/WindowMove.h"

namespace {

bool IsFocusMovingKey(int key) {
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Left || key == Qt::Key_Right ||
           key == Qt::Key_Up || key == Qt::Key_Down;
}

WPARAM MouseKeyFlags(const QMouseEvent* event) {
    WPARAM flags = 0;
    if ((event->buttons() & Qt::LeftButton) != 0) {
        flags |= MK_LBUTTON;
    }
    if ((event->buttons() & Qt::RightButton) != 0) {
        flags |= MK_RBUTTON;
    }
    if ((event->modifiers() & Qt::ShiftModifier) != 0) {
        flags |= MK_SHIFT;
    }
    if ((event->modifiers() & Qt::ControlModifier) != 0) {
        flags |= MK_CONTROL;
    }
    return flags;
}

bool IsDialogKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

// Calls back once, when the window first comes on screen, just before its first paint.
class ExposeWatch final : public QObject {
public:
    ExposeWatch(QWindow* window, std::function<void()> onExpose) : QObject(window), onExpose_(std::move(onExpose)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed() && onExpose_) {
            std::exchange(onExpose_, nullptr)();
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> onExpose_;
};

}  // namespace

bool WindowHost::HandleEvent(QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Polish || type == QEvent::StyleChange) {
        // Styles clear the opaque flag when they polish a widget (Fusion does for every one).
        const bool result = BaseEvent(event);
        KeepOpaque();
        return result;
    }
    if (attached_ == nullptr) {
        return BaseEvent(event);
    }
    if (type == PostedMessageEvent::EventType()) {
        const auto* posted = static_cast<PostedMessageEvent*>(event);
        DispatchMessage(*this, posted->message, posted->wParam, posted->lParam);
        return true;
    }
    switch (type) {
    case QEvent::Timer: {
        const int qtId = static_cast<QTimerEvent*>(event)->timerId();
        for (const auto& [id, timer] : timers) {
            if (timer == qtId) {
                DispatchMessage(*this, WM_TIMER, id, 0);
                return true;
            }
        }
        return BaseEvent(event);
    }
    case QEvent::Paint:
        Paint(static_cast<QPaintEvent*>(event));
        return true;
    case QEvent::Show:
        if (widget_->isWindow()) {
            BringToFront(widget_);
            if (!exposed_ && widget_->windowHandle() != nullptr) {
                new ExposeWatch(widget_->windowHandle(), [this] { CameOnScreen(); });
            }
        }
        pendingErase_ = QRegion();
        pendingNoErase_ = QRegion();
        fresh_ = true;
        painted_ = false;
        return BaseEvent(event);
    case QEvent::Move:
        fresh_ = true;
        return BaseEvent(event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        DispatchMouse(event);
        // Mouse messages never travel on to the parent window.
        event->accept();
        return true;
    case QEvent::Enter:
        mouseInside = true;
        if (MouseCapture() == nullptr) {
            SendSetCursor(WM_MOUSEMOVE);
        }
        return BaseEvent(event);
    case QEvent::Leave:
        mouseInside = false;
        if (leaveArmed) {
            leaveArmed = false;
            PostWindowMessage(*this, WM_MOUSELEAVE, 0, 0);
        }
        return BaseEvent(event);
    case QEvent::KeyPress:
        return DispatchKey(event);
    case QEvent::FocusIn:
        DispatchMessage(*this, WM_SETFOCUS, 0, 0, event);
        return true;
    case QEvent::FocusOut:
        DispatchMessage(*this, WM_KILLFOCUS, 0, 0, event);
        return true;
    case QEvent::Resize: {
        fresh_ = true;
        const bool result = BaseEvent(event);
        DispatchMessage(*this, WM_SIZE, 0, MAKELPARAM(widget_->width(), widget_->height()));
        return result;
    }
    default:
        return BaseEvent(event);
    }
}

void WindowHost::SendSetCursor(UINT mouseMessage) {
    CursorTargetScope scope(widget_);
    DispatchMessage(*this, WM_SETCURSOR, reinterpret_cast<WPARAM>(widget_),
                    MAKELPARAM(HTCLIENT, static_cast<int>(mouseMessage)));
}

void WindowHost::DispatchMouse(QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (QWidget* capture = MouseCapture(); capture != nullptr && capture != widget_) {
        // The capture holder gets the event, in its own coordinates.
        if (WindowHost* holder = Of(capture)) {
            const QPointF global = mouse->globalPosition();
            const QPointF local = capture->mapFromGlobal(global);
            QMouseEvent redirected(mouse->type(), local, capture->mapTo(capture->window(), local), global,
                                   mouse->button(), mouse->buttons(), mouse->modifiers());
            holder->DispatchMouse(&redirected);
            return;
        }
    }
    NoteMouseEvent(mouse);
    if (ContinueWindowMove(mouse)) {
        return;
    }
    const QPoint point = mouse->position().toPoint();
    const LPARAM position = MAKELPARAM(point.x(), point.y());
    const WPARAM keys = MouseKeyFlags(mouse);
    const bool captured = MouseCapture() != nullptr;
    switch (event->type()) {
    case QEvent::MouseMove: {
        const bool inside = widget_->rect().contains(point);
        if (!inside && mouseInside) {
            mouseInside = false;
            if (leaveArmed) {
                leaveArmed = false;
                PostWindowMessage(*this, WM_MOUSELEAVE, 0, 0);
            }
        } else if (inside) {
            mouseInside = true;
        }
        if (!captured) {
            SendSetCursor(WM_MOUSEMOVE);
        }
        DispatchMessage(*this, WM_MOUSEMOVE, keys, position, event);
        return;
    }
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton) {
            if (!captured) {
                SendSetCursor(WM_LBUTTONDOWN);
            }
            DispatchMessage(*this, WM_LBUTTONDOWN, keys, position, event);
            return;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (mouse->button() == Qt::LeftButton) {
            DispatchMessage(*this, WM_LBUTTONUP, keys, position, event);
            return;
        }
        if (mouse->button() == Qt::RightButton) {
            DispatchMessage(*this, WM_RBUTTONUP, keys, position, event);
            return;
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (mouse->button() == Qt::LeftButton) {
            DispatchMessage(*this, WM_LBUTTONDBLCLK, keys, position, event);
            return;
        }
        break;
    default:
        break;
    }
    BaseEvent(event);
}

bool WindowHost::DispatchKey(QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (WindowHost* window = Of(widget_->window());
        window != nullptr && !window->keyboardCues && IsFocusMovingKey(key->key())) {
        window->keyboardCues = true;
        if (QWidget* focus = widget_->window()->focusWidget()) {
            focus->update();
        }
    }
    if (IsDialogKey(key->key())) {
        // The dialog manager sees Enter and Escape before any control does.
        if (!widget_->isWindow()) {
            event->ignore();
            return false;
        }
        if (HandleDialogKey(key->key())) {
            return true;
        }
    }
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
        return BaseEvent(event);
    }
    DispatchMessage(*this, WM_KEYDOWN, VirtualKeyFromQtKey(key->key()), 1, event);
    return true;
}
