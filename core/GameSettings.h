// SPDX-License-Identifier: MIT
#pragma once

#include "core/OpponentKind.h"

#include <array>
#include <cstdint>
#include <string>

// Who plays, under which names (UTF-8), with which numbers. The member defaults are the settings
// the program starts with.
struct GameSettings {
    std::array<OpponentKind, 2> playerKind{Person, Novice};
    std::array<std::string, 2> playerName{"X-Player", "O-Player"};
    std::int32_t rangeLow = 0;
    std::int32_t rangeHigh = 10;
};
