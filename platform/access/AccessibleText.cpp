// SPDX-License-Identifier: MIT
#include "platform/access/AccessibleText.h"

#include <QWidget>

void SetAccessibleName(QWidget* widget, const QString& name) {
    if (widget != nullptr && widget->accessibleName() != name) {
        widget->setAccessibleName(name);
    }
}

void SetAccessibleDescription(QWidget* widget, const QString& description) {
    if (widget != nullptr && widget->accessibleDescription() != description) {
        widget->setAccessibleDescription(description);
    }
}
