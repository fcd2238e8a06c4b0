// SPDX-License-Identifier: MIT
#pragma once
// Acting on windows the way a player does, through the window system so that modality, focus and
// the pointer apply: clicks on controls and points, pointer moves, typing and keys.

#include <QPoint>
#include <QWidget>
#include <Qt>
#include <string>

#include "platform/dialog/CDialog.h"

// Where the pointer rests between tests: away from every test dialog, so that a test's first move
// is a real one.
inline const QPoint kPointerParking(790, 590);

// A left click (press and release) in the middle of a control.
void ClickControl(const CDialog& dialog, int controlId);
// Replaces the text of an edit control, as typing it would.
void TypeInto(const CDialog& dialog, int controlId, const std::string& text);
// Types `keys` into a control, key by key.
void TypeKeys(const CDialog& dialog, int controlId, const std::string& keys);
// A key pressed on the window's focused control (or the window itself), whether or not the window
// is the active one (offscreen windows are not always activated).
void PressKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Handles what the event loop has queued (queued calls, leave events, repaints), as the modal loop
// does next.
void ProcessPostedMessages();

// Mouse input through the widget's top-level window, in the widget's coordinates.
void PressAt(QWidget* widget, QPoint point);
void ReleaseAt(QWidget* widget, QPoint point);
void MoveTo(QWidget* widget, QPoint point);
void ClickAt(QWidget* widget, QPoint point);

// The real pointer, moved on the screen.
void MovePointer(QPoint screen);

// The colour `widget` shows at (x, y) when painted now.
QColor ShownAt(QWidget& widget, int x, int y);
