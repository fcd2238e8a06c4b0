// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// The ten best results of people for each of the four number ranges. The structures mirror the
// bytes of "high scores.dat" exactly; the file is still read and written through the explicit
// little-endian encoding below, so its format never depends on the host.

inline constexpr std::size_t kHighScoreTextSize = 128;  // 127 characters and the terminating zero
inline constexpr std::int32_t kHighScoreLinesPerRange = 10;
inline constexpr int kHighScoreRangeCount = 4;
inline constexpr std::size_t kHighScoreFileSize = 5296;

struct HighScoreEntry {
    std::array<char, kHighScoreTextSize> text{};  // Windows-1252, zero-terminated, zero-filled
    std::int32_t score = 0;
};

struct RangeScores {
    std::int32_t count = 0;  // lines in use, best first
    std::array<HighScoreEntry, kHighScoreLinesPerRange> entries{};
};

struct HighScoreTable {
    std::array<RangeScores, kHighScoreRangeCount> ranges{};  // indexed by number range 0..3
};

static_assert(sizeof(HighScoreEntry) == 132);
static_assert(sizeof(RangeScores) == 1324);
static_assert(sizeof(HighScoreTable) == kHighScoreFileSize);

using HighScoreFileBytes = std::array<unsigned char, kHighScoreFileSize>;

// The file's bytes; every byte no line uses is zero (lines past the count, bytes past a text's end).
HighScoreFileBytes EncodeHighScoreTable(const HighScoreTable& table);

// Reads the file's bytes without trusting them: a count outside 0..10 is clamped, every text ends at
// its first zero or after 127 bytes, and control characters are dropped as from a recorded name, so
// nothing later reads or writes past the table or shows what a damaged or foreign file slipped in.
HighScoreTable DecodeHighScoreTable(std::span<const unsigned char, kHighScoreFileSize> bytes);
