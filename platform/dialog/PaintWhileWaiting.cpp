// SPDX-License-Identifier: MIT
#include "platform/dialog/PaintWhileWaiting.h"

#include <QCoreApplication>
#include <QEventLoop>

void PaintWhileWaiting() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::X11ExcludeTimers);
}
