// SPDX-License-Identifier: MIT
#include "tests/support/RecordingSoundOutput.h"

BOOL RecordingSoundOutput::Play(UINT resourceId, bool waitForEnd) {
    log.push_back("play " + std::to_string(resourceId) + (waitForEnd ? " sync" : " async"));
    return TRUE;
}

void RecordingSoundOutput::Pause(DWORD milliseconds) {
    log.push_back("pause " + std::to_string(milliseconds));
}
