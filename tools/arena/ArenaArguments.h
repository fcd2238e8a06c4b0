// SPDX-License-Identifier: MIT
#pragma once

#include "core/NumberRange.h"
#include "core/OpponentKind.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

struct ArenaArguments {
    std::uint32_t seed = 0;
    std::uint64_t games = 0;
    OpponentKind kind1 = Novice;
    OpponentKind kind2 = Novice;
    NumberRange range = Range0To10;
    bool summary = false;
};

inline constexpr std::string_view kArenaUsage =
    "usage: quinsum-arena --seed S --games N --p1 K --p2 K --range R [--summary]"
    "  (S 0..4294967295, N >= 1, K 1..3 novice/intermediate/expert, R 0..3)";

// Reads the command line without the program name; nothing when an argument is missing,
// repeated, unknown or out of range.
std::optional<ArenaArguments> ParseArenaArguments(std::span<const std::string_view> arguments);
