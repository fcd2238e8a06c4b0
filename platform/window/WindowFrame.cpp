// SPDX-License-Identifier: MIT
#include "platform/window/WindowFrame.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace {

bool IsFramed(const QWidget* window) {
    return !window->windowFlags().testFlag(Qt::FramelessWindowHint);
}

bool IsOnScreen(const QWidget* window) {
    return window->isVisible() && window->windowHandle() != nullptr;
}

}  // namespace

QMargins WindowFrameMargins(const QWidget* window) {
    if (!IsFramed(window)) {
        return {};
    }
    if (IsOnScreen(window)) {
        return window->windowHandle()->frameMargins();
    }
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other != window && IsFramed(other) && IsOnScreen(other)) {
            return other->windowHandle()->frameMargins();
        }
    }
    return {};
}
