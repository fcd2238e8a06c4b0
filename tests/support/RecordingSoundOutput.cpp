// SPDX-License-Identifier: MIT
#include "tests/support/RecordingSoundOutput.h"

bool RecordingSoundOutput::Play(unsigned resourceId, bool waitForEnd) {
    log.push_back("play " + std::to_string(resourceId) + (waitForEnd ? " sync" : " async"));
    return true;
}

void RecordingSoundOutput::Pause(unsigned milliseconds) {
    log.push_back("pause " + std::to_string(milliseconds));
}
