// SPDX-License-Identifier: MIT
#include "scores/HighScoreRecords.h"

#include "scores/ProgramFiles.h"
#include "scores/ResultSentences.h"
#include "scores/Windows1252.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>

namespace {

constexpr std::size_t kMaxTextLength = kHighScoreTextSize - 1;

bool IsValidRange(int range) {
    return range >= 0 && range < kHighScoreRangeCount;
}

std::size_t Index(int value) {
    return static_cast<std::size_t>(value);
}

// A name as a line stores it: Windows-1252 without control characters.
std::string StoredName(std::string_view utf8) {
    return WithoutControlCharacters(Utf8ToWindows1252(utf8));
}

// `text` is Windows-1252; it is cut to the 127 bytes a line holds, which never splits a character.
HighScoreEntry MakeEntry(std::string_view text, int score) {
    HighScoreEntry entry;
    const std::size_t length = std::min(text.size(), kMaxTextLength);
    std::copy_n(text.begin(), length, entry.text.begin());
    entry.score = score;
    return entry;
}

// The new line goes above every stored line with an equal or lower score, so a newer result wins
// a tie. Returns its position, or -1 when the list is full of higher scores.
int InsertLine(RangeScores& list, const HighScoreEntry& entry) {
    int position = 0;
    while (position < list.count && list.entries[Index(position)].score > entry.score) {
        ++position;
    }
    if (position >= kHighScoreLinesPerRange) {
        return -1;
    }
    const int last = std::min(list.count, kHighScoreLinesPerRange - 1);
    for (int k = last; k > position; --k) {
        list.entries[Index(k)] = list.entries[Index(k - 1)];
    }
    list.entries[Index(position)] = entry;
    list.count = std::min(list.count + 1, kHighScoreLinesPerRange);
    return position;
}

}  // namespace

void HighScoreRecords::SetTexts(ScoreTexts texts) {
    texts_ = std::move(texts);
}

void HighScoreRecords::SetFilePath(std::filesystem::path path) {
    location_ = HighScoreLocation{path, path, {}, {}};
}

void HighScoreRecords::SetLocation(HighScoreLocation location) {
    location_ = std::move(location);
}

std::optional<HighScoreLocation> HighScoreRecords::Location() const {
    if (location_) {
        return location_;
    }
    const std::optional<std::filesystem::path> programFolder = ProgramDirectory();
    if (!programFolder) {
        return std::nullopt;
    }
    return ChooseHighScoreLocation(*programFolder, PlayerDataFolder(), texts_);
}

std::optional<std::filesystem::path> HighScoreRecords::FilePath() const {
    const std::optional<HighScoreLocation> location = Location();
    return location ? std::optional(location->savePath) : std::nullopt;
}

int HighScoreRecords::LoadHighScores() {
    newLine = {-1, -1};
    shownRange = 0;
    lastRange = 0;
    table_ = HighScoreTable{};
    // Settled once, so that the table is saved where it was read from even if the folders change.
    location_ = Location();
    if (!location_) {
        return -1;
    }
    problemToTell_ = location_->notice;
    unsaved_.clear();
    // Nothing is read from a data folder that saves will not use (a link, another user's folder);
    // the first save tells why.
    const std::filesystem::path& folder = location_->folderToCreate;
    const bool startsInUnusableFolder =
        !folder.empty() && location_->startPath.parent_path() == folder && !PrivateFolderProblem(folder).empty();
    HighScoreFileBytes bytes{};
    const int result = startsInUnusableFolder ? -1 : ReadWholeFile(location_->startPath, bytes);
    table_ = DecodeHighScoreTable(bytes);
    loadedTable_ = table_;
    return result;
}

std::optional<HighScoreTable> HighScoreRecords::TableToMergeInto(const std::filesystem::path& path) const {
    std::error_code error;
    if (std::filesystem::symlink_status(path, error).type() == std::filesystem::file_type::not_found) {
        return loadedTable_;
    }
    HighScoreFileBytes bytes{};
    if (ReadWholeFile(path, bytes) != 0) {
        return std::nullopt;
    }
    return DecodeHighScoreTable(bytes);
}

void HighScoreRecords::SetLockWait(LockWait wait) {
    lockWait_ = std::move(wait);
}

std::string HighScoreRecords::MergeAndReplace(const std::filesystem::path& path) {
    // A save started from `betweenTries` (an event the wait let through) waits without calling it.
    const bool nested = std::exchange(waitingForLock_, true);
    const FolderLock lock(path.parent_path(), lockWait_.patience, nested ? nullptr : lockWait_.betweenTries);
    waitingForLock_ = nested;
    if (lock.GetState() == FolderLock::State::Busy) {
        return texts_.folderStayedLocked;
    }
    RemoveLeftoverTemporaries(path, lock.GetState() == FolderLock::State::Held);
    if (std::optional<HighScoreTable> merged = TableToMergeInto(path)) {
        for (const Result& result : unsaved_) {
            const std::array<int, 2> positions = Rank(*merged, result);
            if (&result == &unsaved_.back()) {
                newLine = positions;
            }
        }
        table_ = *merged;
    }
    std::string failure = texts_.cannotBeWritten;
    return WriteWholeFile(path, EncodeHighScoreTable(table_), &failure, texts_) == 1 ? std::string() : failure;
}

int HighScoreRecords::SaveHighScores() {
    const std::optional<HighScoreLocation> location = Location();
    if (!location) {
        return -1;
    }
    std::string failure;
    if (!location->folderToCreate.empty()) {
        failure = PreparePrivateFolder(location->folderToCreate, texts_);
    }
    if (failure.empty()) {
        failure = MergeAndReplace(location->savePath);
    }
    if (failure.empty()) {
        unsaved_.clear();
        loadedTable_ = table_;
        return 1;
    }
    if (!saveFailureTold_) {
        saveFailureTold_ = true;
        if (!problemToTell_.empty()) {
            problemToTell_.append("\n\n");
        }
        problemToTell_.append(FillPattern(texts_.notSaved, {location->savePath.string(), failure}));
    }
    return -1;
}

std::string HighScoreRecords::TakeProblemToTell() {
    return std::exchange(problemToTell_, std::string());
}

void HighScoreRecords::RecordResult(int kind1, std::string_view name1, int score1, int kind2, std::string_view name2,
                                    int score2, int range) {
    if (!IsValidRange(range)) {
        return;
    }
    lastRange = range;
    Result result{kind1, std::string(name1), score1, kind2, std::string(name2), score2, range};
    newLine = Rank(table_, result);
    unsaved_.push_back(std::move(result));
}

std::array<int, 2> HighScoreRecords::Rank(HighScoreTable& table, const Result& result) const {
    const std::array<bool, 2> isComputer{result.kind1 > 0, result.kind2 > 0};
    const std::array<std::string, 2> names{StoredName(result.name1), StoredName(result.name2)};
    const std::array<int, 2> scores{result.score1, result.score2};
    const std::array<int, 2> kinds{result.kind1, result.kind2};

    std::array<int, 2> positions{-1, -1};
    RangeScores& list = table.ranges[Index(result.range)];
    for (std::size_t player = 0; player < 2; ++player) {
        if (isComputer[player]) {
            continue;
        }
        const std::size_t other = 1 - player;
        const auto sentenceFor = [&](std::string_view name) {
            return ResultSentence(texts_, name, scores[player], kinds[other], scores[other]);
        };
        std::string sentence = sentenceFor(names[player]);
        // A long name gives way, so that the line keeps its score.
        if (sentence.size() > kMaxTextLength) {
            const std::size_t excess = sentence.size() - kMaxTextLength;
            sentence =
                sentenceFor(names[player].substr(0, names[player].size() - std::min(excess, names[player].size())));
        }
        const int position = InsertLine(list, MakeEntry(sentence, scores[player]));
        positions[player] = position;
        // Player 2's line pushes player 1's down when it lands at or above it.
        if (player == 1 && position >= 0 && position <= positions[0]) {
            ++positions[0];
            if (positions[0] >= kHighScoreLinesPerRange) {
                positions[0] = -1;
            }
        }
    }
    return positions;
}

bool HighScoreRecords::HasLine(int range, int line) const {
    return IsValidRange(range) && line >= 0 && line < table_.ranges[Index(range)].count;
}

std::string HighScoreRecords::LineText(int range, int line) const {
    if (!HasLine(range, line)) {
        return {};
    }
    const auto& text = table_.ranges[Index(range)].entries[Index(line)].text;
    const std::string_view stored(text.data(), text.size());
    return Windows1252ToUtf8(stored.substr(0, stored.find('\0')));
}

std::string HighScoreRecords::ShownLineText(int line) const {
    if (!HasLine(shownRange, line)) {
        return {};
    }
    const bool isNew = shownRange == lastRange && (line == newLine[0] || line == newLine[1]);
    return isNew ? " ** " + LineText(shownRange, line) + " **" : LineText(shownRange, line);
}
