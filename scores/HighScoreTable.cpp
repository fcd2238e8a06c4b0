// SPDX-License-Identifier: MIT
#include "scores/HighScoreTable.h"

#include "scores/Windows1252.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::size_t kEntrySize = sizeof(HighScoreEntry);
constexpr std::size_t kRangeSize = sizeof(RangeScores);
constexpr std::size_t kCountSize = sizeof(std::int32_t);

void PutInt32(std::span<unsigned char> out, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) {
        out[i] = static_cast<unsigned char>(bits >> (8 * i));
    }
}

std::int32_t GetInt32(std::span<const unsigned char> in) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        bits |= static_cast<std::uint32_t>(in[i]) << (8 * i);
    }
    return static_cast<std::int32_t>(bits);
}

}  // namespace

HighScoreFileBytes EncodeHighScoreTable(const HighScoreTable& table) {
    HighScoreFileBytes bytes{};
    const std::span<unsigned char> all(bytes);
    for (std::size_t r = 0; r < table.ranges.size(); ++r) {
        const RangeScores& list = table.ranges[r];
        const auto block = all.subspan(r * kRangeSize, kRangeSize);
        PutInt32(block, list.count);
        // Lines past the count and bytes past a text's end stay zero, whatever a damaged file left.
        const auto used = static_cast<std::size_t>(std::clamp(list.count, 0, kHighScoreLinesPerRange));
        for (std::size_t k = 0; k < used; ++k) {
            const HighScoreEntry& entry = list.entries[k];
            const auto slot = block.subspan(kCountSize + k * kEntrySize, kEntrySize);
            const auto end = std::find(entry.text.begin(), entry.text.end() - 1, '\0');
            std::transform(entry.text.begin(), end, slot.begin(), [](char c) { return static_cast<unsigned char>(c); });
            PutInt32(slot.subspan(kHighScoreTextSize), entry.score);
        }
    }
    return bytes;
}

HighScoreTable DecodeHighScoreTable(std::span<const unsigned char, kHighScoreFileSize> bytes) {
    HighScoreTable table;
    for (std::size_t r = 0; r < table.ranges.size(); ++r) {
        RangeScores& list = table.ranges[r];
        const auto block = bytes.subspan(r * kRangeSize, kRangeSize);
        list.count = std::clamp(GetInt32(block), 0, kHighScoreLinesPerRange);
        for (std::size_t k = 0; k < list.entries.size(); ++k) {
            HighScoreEntry& entry = list.entries[k];
            const auto slot = block.subspan(kCountSize + k * kEntrySize, kEntrySize);
            // Byte 127 is the terminator a whole text always has room for.
            const auto text = slot.first(kHighScoreTextSize - 1);
            const auto end = std::find(text.begin(), text.end(), 0);
            const std::string kept = WithoutControlCharacters(
                {reinterpret_cast<const char*>(text.data()), static_cast<std::size_t>(end - text.begin())});
            std::copy(kept.begin(), kept.end(), entry.text.begin());
            entry.score = GetInt32(slot.subspan(kHighScoreTextSize));
        }
    }
    return table;
}
