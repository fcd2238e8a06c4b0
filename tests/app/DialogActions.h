// SPDX-License-Identifier: MIT
#pragma once

#include "platform/CWnd.h"

#include <Qt>
#include <string>

// Acting on the windows of the game the way a player does: mouse clicks on controls, typing,
// keys. Meant for the dialog whose modal loop is running (its hook).
void ClickControl(const CWnd& window, int controlId);
// Presses and releases the left button on the window's own surface (not a control).
void ClickWindow(const CWnd& window);
// Replaces the text of an edit control, as typing it would.
void TypeInto(const CWnd& window, int controlId, const std::string& text);
// A key pressed while the window (or the control of it that has the focus) is active.
void PressKey(const CWnd& window, Qt::Key key);
// Runs what is queued for the event loop now (posted messages), as the modal loop would next.
void ProcessPostedMessages();

// The sum a challenge " a + b + c = " asks for.
int SumOfQuestion(const std::string& question);
