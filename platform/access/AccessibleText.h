// SPDX-License-Identifier: MIT
#pragma once
// Names and descriptions for screen readers, handed to Qt only when they change: Qt announces every
// name it is given, and a window that names its controls at every paint would chatter.

#include <QString>

class QWidget;

void SetAccessibleName(QWidget* widget, const QString& name);
void SetAccessibleDescription(QWidget* widget, const QString& description);
