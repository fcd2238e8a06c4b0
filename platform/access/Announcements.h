// SPDX-License-Identifier: MIT
#pragma once
// What a screen reader should say of its own accord, and a status it can read at any time. Qt 6.4
// has no announcement, and a screen reader drops the name changes it sends; a notification that
// comes on screen is spoken, and a status bar is read on request. Each window gets one of each,
// invisible: a pixel of the window that paints nothing.

#include <QString>

class QWidget;

// Has a screen reader say `text` now.
void Announce(QWidget* window, const QString& text);
// What the window's status bar holds for a screen reader ("Ann to move").
void SetStatus(QWidget* window, const QString& text);
