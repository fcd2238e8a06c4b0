// SPDX-License-Identifier: MIT
#include "platform/window/CursorPosition.h"

#include <QCursor>

BOOL GetCursorPos(CPoint* point) {
    if (point == nullptr) {
        return FALSE;
    }
    const QPoint position = QCursor::pos();
    *point = CPoint(position.x(), position.y());
    return TRUE;
}
