// SPDX-License-Identifier: MIT
#pragma once
// Acting on windows the way a player does, through the window system so that modality, capture
// and focus apply: clicks on controls and points, pointer moves, typing and keys.

#include <QPoint>
#include <Qt>
#include <string>

#include "platform/window/CWnd.h"

#include <QWidget>

class QWindow;

// Where the pointer rests between tests: away from every test dialog, so that a test's first move
// is a real one.
inline const QPoint kPointerParking(790, 590);

// A left click (press and release) in the middle of a control.
void ClickControl(const CWnd& window, int controlId);
// Presses and releases the left button on the window's own surface (not a control).
void ClickWindow(const CWnd& window);
// Replaces the text of an edit control, as typing it would.
void TypeInto(const CWnd& window, int controlId, const std::string& text);
// Types `keys` into a control, key by key.
void TypeKeys(const CWnd& window, int controlId, const std::string& keys);
// A key pressed on the window's focused control (or the window itself), whether or not the window
// is the active one (offscreen windows are not always activated).
void PressKey(const CWnd& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Handles what the event loop has queued (posted messages, leave notifications, repaints), as the
// modal loop does next.
void ProcessPostedMessages();
std::string ControlText(const CWnd& window, int controlId);

// Mouse input through the widget's top-level window, in the widget's client coordinates.
void PressAt(QWidget* widget, QPoint point);
void ReleaseAt(QWidget* widget, QPoint point);
void MoveTo(QWidget* widget, QPoint point);
void ClickAt(QWidget* widget, QPoint point);
QPoint Centre(const QWidget* widget);

// The real pointer: moved on the screen, pressed where it stands.
QWindow* TopWindowOf(const CWnd& window);
QPoint ScreenPoint(const CWnd& window, int x, int y);
QPoint ScreenCentre(const CWnd& window);
void MovePointer(QPoint screen);
void PressLeft(const CWnd& anyWindowOfDialog);
void ReleaseLeft(const CWnd& anyWindowOfDialog);
// Moves the pointer to the middle of `target`, presses and releases there.
void ClickAt(const CWnd& target);

// The colour `window` shows at client point (x, y) when painted now.
COLORREF ShownAt(const CWnd& window, int x, int y);
