// SPDX-License-Identifier: MIT
#pragma once
// The window holding the mouse capture: every mouse event of the layer's windows goes to it,
// in its own coordinates, until released. On X11 the pointer is grabbed as well, so that moves
// outside the program's windows arrive too.

class QWidget;

void SetMouseCapture(QWidget* widget);
void ReleaseMouseCapture();
QWidget* MouseCapture();
