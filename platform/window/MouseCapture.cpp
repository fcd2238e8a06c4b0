// SPDX-License-Identifier: MIT
#include "platform/window/MouseCapture.h"

#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

namespace {

QPointer<QWidget> g_capture;

// Other platforms (offscreen, Wayland) cannot grab the pointer and say so on every try.
bool CanGrabPointer() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

}  // namespace

void SetMouseCapture(QWidget* widget) {
    if (g_capture == widget) {
        return;
    }
    ReleaseMouseCapture();
    g_capture = widget;
    if (widget != nullptr && CanGrabPointer() && widget->isVisible()) {
        widget->grabMouse();
    }
}

void ReleaseMouseCapture() {
    if (g_capture && CanGrabPointer() && QWidget::mouseGrabber() == g_capture) {
        g_capture->releaseMouse();
    }
    g_capture = nullptr;
}

QWidget* MouseCapture() {
    return g_capture;
}
