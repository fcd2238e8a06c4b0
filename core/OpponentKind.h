// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// Who plays a side. Every value above Person is a computer; the rules treat computer kinds other
// than Novice and Intermediate as Expert.
enum OpponentKind : std::int32_t {
    Person = 0,
    Novice = 1,
    Intermediate = 2,
    Expert = 3,
};
