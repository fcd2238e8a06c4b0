// SPDX-License-Identifier: MIT
#include "core/RandomGenerator.h"

namespace {

std::uint32_t randomState = 0;

}

void SeedRandom(std::uint32_t seed) {
    randomState = seed;
}

std::int32_t DrawRandom() {
    // Unsigned arithmetic wraps modulo 2^32, which is exactly the generator's step.
    randomState = randomState * 214013u + 2531011u;
    return static_cast<std::int32_t>((randomState >> 16) & 0x7FFFu);
}
