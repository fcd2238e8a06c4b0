// SPDX-License-Identifier: MIT
#include "bench/desktop/SoundWatcher.h"

#include <array>
#include <cstdint>

SoundWatcher::~SoundWatcher() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

void SoundWatcher::SkipWritten() {
    soundStarted_.reset();
    if (file_ == nullptr) {
        // The device, and with it the file, exists only from the game's first sound on.
        file_ = std::fopen(path_.c_str(), "rb");
    }
    if (file_ != nullptr) {
        std::fseek(file_, 0, SEEK_END);
    }
}

void SoundWatcher::Poll() {
    if (file_ == nullptr) {
        file_ = std::fopen(path_.c_str(), "rb");
        if (file_ == nullptr) {
            return;
        }
    }
    std::array<std::int16_t, 4096> samples{};
    std::size_t read = 0;
    while ((read = std::fread(samples.data(), sizeof(std::int16_t), samples.size(), file_)) > 0) {
        for (std::size_t i = 0; i < read && !soundStarted_; ++i) {
            if (samples[i] != 0) {
                soundStarted_ = Clock::now();
            }
        }
    }
    std::clearerr(file_);
}
