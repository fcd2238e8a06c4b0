// SPDX-License-Identifier: MIT
#pragma once
// The dialogs' tests hear what a dialog plays; the support drives it the way a player would.

#include <gtest/gtest.h>

#include <QPoint>
#include <string>
#include <vector>

#include "platform/dialog/CDialog.h"
#include "platform/sound/SoundOutput.h"
#include "tests/support/Input.h"
#include "tests/support/ModalRun.h"
#include "tests/support/RecordingSoundOutput.h"

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

// Presses the left button at `from` (dialog coordinates), moves the pointer by `by` and releases
// it there; returns how far the dialog moved.
QPoint DragBy(CDialog& dialog, QPoint from, QPoint by);
