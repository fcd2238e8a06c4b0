// SPDX-License-Identifier: MIT
#pragma once
// Hears the game through SDL's "disk" audio driver: the device writes what it plays, silence
// included, to a file at the pace of a real device. The first non-silent sample written after a
// moment is when a sound started.

#include "bench/desktop/Clock.h"

#include <cstdio>
#include <optional>
#include <string>

class SoundWatcher {
public:
    explicit SoundWatcher(std::string path) : path_(std::move(path)) {}
    SoundWatcher(const SoundWatcher&) = delete;
    SoundWatcher& operator=(const SoundWatcher&) = delete;
    ~SoundWatcher();

    // Everything written so far is old.
    void SkipWritten();
    // Reads what was written since the last call; notes the time the first sound was heard.
    void Poll();
    std::optional<TimePoint> SoundStarted() const { return soundStarted_; }

private:
    std::string path_;
    std::FILE* file_ = nullptr;
    std::optional<TimePoint> soundStarted_;
};
