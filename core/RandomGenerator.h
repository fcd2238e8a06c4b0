// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// The program-wide pseudo-random generator that deals the numbers, draws who begins and makes the
// computer's choice. Seeded once per run; everything draws from the same sequence.
void SeedRandom(std::uint32_t seed);

// The next draw, 0..32767.
std::int32_t DrawRandom();
