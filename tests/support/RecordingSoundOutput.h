// SPDX-License-Identifier: MIT
#pragma once
// A sound output for tests: writes one line per call ("play 303 sync", "play 306 async",
// "pause 500") and never waits.

#include <string>
#include <vector>

#include "platform/sound/SoundOutput.h"

class RecordingSoundOutput final : public SoundOutput {
public:
    bool Play(unsigned resourceId, bool waitForEnd) override;
    void Pause(unsigned milliseconds) override;

    std::vector<std::string> log;
};
