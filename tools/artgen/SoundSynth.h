// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

// The game's two sounds, synthesised from sine partials with smooth envelopes, mono 16-bit.
namespace artgen {

inline constexpr int soundSampleRate = 44100;
inline constexpr std::size_t clickSampleCount = 2848;      // 5696 bytes, about 65 ms
inline constexpr std::size_t fanfareSampleCount = 104576;  // 209152 bytes, about 2.37 s

// 303: a short, soft wooden tick.
std::vector<std::int16_t> clickSamples();

// 306: a rising C major arpeggio that settles into a ringing chord.
std::vector<std::int16_t> fanfareSamples();

}  // namespace artgen
