// SPDX-License-Identifier: MIT
#include "tests/dialogs/DialogTestSupport.h"

#include "controls/GameSoundPlayer.h"

DialogTest::DialogTest() : soundScope_(sounds_) {
    soundEnabled = 1;
}

DialogTest::~DialogTest() {
    soundEnabled = 1;
}

QPoint DragBy(CDialog& dialog, QPoint from, QPoint by) {
    const QPoint before = dialog.pos();
    PressAt(&dialog, from);
    MoveTo(&dialog, from + by);
    // The pointer stays where it was moved to, whether the dialog followed it or not.
    const QPoint moved = dialog.pos() - before;
    ReleaseAt(&dialog, from + by - moved);
    ProcessPostedMessages();
    return dialog.pos() - before;
}
