// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// The generator's formula written out in 64-bit arithmetic, to check the program's generator against.
class ReferenceGenerator {
public:
    explicit ReferenceGenerator(std::uint64_t seed) : state(seed) {}

    std::int32_t Draw() {
        state = (state * 214013 + 2531011) % 4294967296;
        return static_cast<std::int32_t>((state / 65536) % 32768);
    }

private:
    std::uint64_t state;
};
