// SPDX-License-Identifier: MIT
// Arbitrary bytes as "high scores.dat": loaded as the game loads them, one game's result from the
// bytes past the file's size ranked in, then encoded and decoded again. Whatever the bytes, the
// table keeps within its limits and the bytes written are canonical.

#include "fuzz/FuzzSupport.h"
#include "scores/HighScoreRecords.h"
#include "scores/HighScoreTable.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

#include <unistd.h>

namespace {

// The records only load from a path; the file sits in a memory-backed folder when there is one,
// and nothing is ever saved, so no input costs a disk write or an fsync.
class ScratchFile {
public:
    ScratchFile()
        : path_((std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                           : std::filesystem::temp_directory_path()) /
                ("quinsum-fuzz-" + std::to_string(::getpid()) + ".dat")) {}
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    ~ScratchFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }

    const std::filesystem::path& Path() const { return path_; }

    void Write(std::span<const unsigned char> bytes) const {
        std::ofstream file(path_, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        Require(file.good(), "the scratch file is written");
    }

private:
    std::filesystem::path path_;
};

std::int32_t LittleEndianInt32(std::span<const unsigned char> bytes) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        bits |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
    }
    return static_cast<std::int32_t>(bits);
}

bool IsZero(std::span<const unsigned char> bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](unsigned char byte) { return byte == 0; });
}

void CheckTable(const HighScoreTable& table) {
    for (const RangeScores& list : table.ranges) {
        Require(list.count >= 0 && list.count <= kHighScoreLinesPerRange, "count within 0..10");
        for (const HighScoreEntry& entry : list.entries) {
            const auto end = std::find(entry.text.begin(), entry.text.end(), '\0');
            Require(end != entry.text.end(), "every text terminated within its 128 bytes");
            Require(std::none_of(entry.text.begin(), end,
                                 [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }),
                    "no text keeps a control character");
        }
    }
}

// Reads the bytes by the file's layout, independently of the decoder.
void CheckEncoding(const HighScoreFileBytes& bytes) {
    constexpr std::size_t kRangeSize = sizeof(RangeScores);
    constexpr std::size_t kEntrySize = sizeof(HighScoreEntry);
    for (std::size_t r = 0; r < kHighScoreRangeCount; ++r) {
        const auto block = std::span(bytes).subspan(r * kRangeSize, kRangeSize);
        const std::int32_t count = LittleEndianInt32(block);
        Require(count >= 0 && count <= kHighScoreLinesPerRange, "encoded count within 0..10");
        for (std::size_t k = 0; k < kHighScoreLinesPerRange; ++k) {
            const auto slot = block.subspan(sizeof(std::int32_t) + k * kEntrySize, kEntrySize);
            if (k >= static_cast<std::size_t>(count)) {
                Require(IsZero(slot), "lines past the count encoded as zeros");
                continue;
            }
            const auto text = slot.first(kHighScoreTextSize);
            const auto end = std::find(text.begin(), text.end(), 0);
            Require(end != text.end(), "encoded text terminated within its 128 bytes");
            Require(IsZero({end, text.end()}), "bytes after a text's end encoded as zeros");
        }
    }
    Require(EncodeHighScoreTable(DecodeHighScoreTable(bytes)) == bytes, "decoding what was encoded gives it back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFile scratch;

    // The file, then the game's result; a file alone is ranked two people's results in range 0.
    // Kinds and ranges reach past each end: negative kinds count as people, other ranges are ignored.
    const std::size_t fileSize = std::min(size, kHighScoreFileSize);
    FuzzedDataProvider result(data + fileSize, size - fileSize);
    const int kind1 = result.PickValueInArray({0, 1, 2, 3, 4, -1});
    const int kind2 = result.PickValueInArray({0, 1, 2, 3, 4, -1});
    const int range = result.PickValueInArray({0, 1, 2, 3, -1, 4});
    const int score1 = result.ConsumeIntegral<int>();
    const int score2 = result.ConsumeIntegral<int>();
    const std::string name1 = result.ConsumeRandomLengthString(200);
    const std::string name2 = result.ConsumeRandomLengthString(200);

    scratch.Write({data, fileSize});
    HighScoreRecords records;
    records.SetFilePath(scratch.Path());
    Require(records.LoadHighScores() == (fileSize == kHighScoreFileSize ? 0 : -1),
            "a whole file loads, a short one is reported");
    HighScoreFileBytes whole{};
    std::copy_n(data, fileSize, whole.begin());
    const HighScoreFileBytes loaded = EncodeHighScoreTable(records.Table());
    Require(loaded == EncodeHighScoreTable(DecodeHighScoreTable(whole)),
            "a file loads as decoded, a short one as if zero-filled");

    records.RecordResult(kind1, name1, score1, kind2, name2, score2, range);
    const HighScoreTable& table = records.Table();
    const HighScoreFileBytes recorded = EncodeHighScoreTable(table);
    CheckTable(table);
    CheckEncoding(recorded);

    if (range < 0 || range >= kHighScoreRangeCount) {
        Require(recorded == loaded && records.newLine == std::array{-1, -1} && records.lastRange == 0,
                "a result for no range changes nothing");
        return 0;
    }
    const std::array kinds{kind1, kind2};
    const std::array scores{score1, score2};
    const RangeScores& list = table.ranges[static_cast<std::size_t>(range)];
    for (std::size_t player = 0; player < 2; ++player) {
        const int line = records.newLine[player];
        Require(line >= -1 && line < list.count, "a new line is a line of the list");
        Require(kinds[player] <= 0 || line == -1, "a computer's result is not stored");
        if (line == -1) {
            continue;
        }
        const HighScoreEntry& entry = list.entries[static_cast<std::size_t>(line)];
        const std::string_view text(entry.text.data());
        Require(entry.score == scores[player], "a new line holds its player's score");
        Require(text.ends_with(std::to_string(scores[player]) + "."), "a new line's text ends with its score");
        Require(std::none_of(text.begin(), text.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }),
                "a new line holds no control characters");
    }
    Require(records.newLine[0] == -1 || records.newLine[0] != records.newLine[1], "the two new lines differ");
    return 0;
}
