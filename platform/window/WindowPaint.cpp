// SPDX-License-Identifier: MIT
// WM_PAINT and the erase step before it, on the painter Qt opens for the window.
#include "platform/window/WindowHost.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <utility>

#include "platform/draw/PainterDC.h"
#include "platform/window/MessageDispatch.h"

void WindowHost::Paint(QPaintEvent* event) {
    const QRegion area = event->region();
    // A window erases what it did not invalidate itself without erase (it may have been covered);
    // a control keeps its pixels unless it asked for an erase or has none yet (Qt repaints the
    // controls under any repainted area of their dialog, which the platform would not).
    QRegion eraseArea;
    if (fresh_ || widget_->isWindow()) {
        eraseArea = area - (pendingNoErase_ - pendingErase_);
    } else if (StyleDrawn()) {
        eraseArea = area;
    } else {
        eraseArea = area & pendingErase_;
    }
    if ((QRegion(widget_->rect()) - area).isEmpty()) {
        fresh_ = false;
    }
    pendingErase_ -= area;
    pendingNoErase_ -= area;
    if (!eraseArea.isEmpty()) {
        QPainter painter(widget_);
        painter.setClipRegion(eraseArea);
        // As under a window without clipped children, the parent's background lies under a
        // control; the control's own erase (if any) comes on top.
        if (WindowHost* parent = Of(widget_->parentWidget()); parent != nullptr && !widget_->isWindow()) {
            painter.save();
            painter.translate(-widget_->pos());
            DispatchErase(painter, *parent);
            painter.restore();
        }
        DispatchErase(painter, *this);
    }
    inPaint = true;
    DispatchMessage(*this, WM_PAINT, 0, 0, event);
    inPaint = false;
    if (!painted_) {
        painted_ = true;
        if (bigIcon != nullptr || smallIcon != nullptr) {
            // After the picture has reached the screen, not before.
            QMetaObject::invokeMethod(
                widget_, [this] { ShowIcon(); }, Qt::QueuedConnection);
        }
        if (whenFirstPainted_) {
            std::exchange(whenFirstPainted_, nullptr)();
        }
    }
}

void WindowHost::DispatchErase(QPainter& painter, WindowHost& target) {
    PainterDC dc(&painter);
    DispatchMessage(target, WM_ERASEBKGND, reinterpret_cast<WPARAM>(static_cast<CDC*>(&dc)), 0);
}
