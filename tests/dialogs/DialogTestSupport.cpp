// SPDX-License-Identifier: MIT
#include "tests/dialogs/DialogTestSupport.h"

#include "controls/GameSoundPlayer.h"

DialogTest::DialogTest() : soundScope_(sounds_) {
    soundEnabled = 1;
}

DialogTest::~DialogTest() {
    soundEnabled = 1;
}
