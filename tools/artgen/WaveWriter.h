// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace artgen {

// Writes a RIFF WAVE file: PCM, one channel, 16 bits, a plain 44-byte header before the samples.
// Returns an error text, empty on success.
QString writeMonoWave(const QString& path, const std::vector<std::int16_t>& samples, int sampleRate);

}  // namespace artgen
