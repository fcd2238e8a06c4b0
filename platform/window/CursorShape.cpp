// SPDX-License-Identifier: MIT
#include "platform/window/CursorShape.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include "platform/draw/HandleObjects.h"
#include "platform/window/CursorTarget.h"

namespace {

HCURSOR g_current = nullptr;
QPointer<QWidget> g_target;

QWidget* Target() {
    if (g_target) {
        return g_target;
    }
    return QApplication::widgetAt(QCursor::pos());
}

}  // namespace

CursorTargetScope::CursorTargetScope(QWidget* widget) : previous_(g_target) {
    g_target = widget;
}

CursorTargetScope::~CursorTargetScope() {
    g_target = previous_;
}

void ApplyCursorShape(const QCursor& shape) {
    if (QWidget* widget = Target()) {
        widget->setCursor(shape);
    }
}

HCURSOR SetCursor(HCURSOR cursor) {
    const HCURSOR previous = g_current;
    g_current = cursor;
    ApplyCursorShape(cursor != nullptr ? cursor->cursor : QCursor(Qt::ArrowCursor));
    return previous;
}

HCURSOR GetCursor() {
    return g_current;
}
