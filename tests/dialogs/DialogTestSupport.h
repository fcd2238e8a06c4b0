// SPDX-License-Identifier: MIT
#pragma once
// Driving a modal dialog from a test the way a player would, and hearing what it plays.

#include <gtest/gtest.h>

#include <Qt>
#include <functional>
#include <string>
#include <vector>

#include "platform/CDialog.h"
#include "platform/RecordingSoundOutput.h"
#include "platform/SoundOutput.h"

// Runs `dialog` modally; `script` acts on it once its modal loop runs and should end it. A dialog
// the script leaves open fails the test and is cancelled, so no test waits forever.
INT_PTR RunModal(CDialog& dialog, const std::function<void(CDialog&)>& script);

// A left click (press and release) in the middle of a control.
void ClickControl(const CWnd& dialog, int controlId);
// A key pressed on the dialog's focused control (or the dialog itself).
void PressKey(const CWnd& dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void TypeKeys(const CWnd& dialog, int controlId, const std::string& keys);
// Handles what the event loop has queued (posted messages), as the modal loop does next.
void ProcessPostedMessages();
std::string ControlText(const CWnd& dialog, int controlId);

inline const std::string kClickPlayed = "play 303 sync";

// Records the sounds instead of playing them and starts every test with sound on.
class DialogTest : public testing::Test {
protected:
    DialogTest();
    ~DialogTest() override;

    std::vector<std::string> Sounds() const { return sounds_.log; }

private:
    RecordingSoundOutput sounds_;
    ScopedSoundOutput soundScope_;
};
