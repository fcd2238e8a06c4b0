// SPDX-License-Identifier: MIT
#pragma once
// Moving a top-level window with the mouse (the caption drag): the window manager's own move
// where the platform offers it, else the window follows the mouse until the button is released.

class QMouseEvent;
class QWidget;

// Starts a move of `window` if the left button is down (as last seen by the layer).
void BeginWindowMove(QWidget* window);
// Consumes the mouse events of a manual move in progress; false when none is running.
bool ContinueWindowMove(QMouseEvent* event);
// The layer's own record of the pointer, from the mouse events it has seen.
void NoteMouseEvent(QMouseEvent* event);
