// SPDX-License-Identifier: MIT
#pragma once

#include "scores/HighScoreLocation.h"
#include "scores/HighScoreTable.h"
#include "scores/ScoreTexts.h"

#include <array>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view kHighScoreFileName = "high scores.dat";

// The high-score table with the marks of the last recorded game, and its file. The high-scores
// dialog inherits it; everything here is independent of any windowing platform.
class HighScoreRecords {
public:
    // Range of the last recorded game, the one the dialog opens on.
    int lastRange = 0;
    // Positions of the lines the last game added for player 1 and player 2 in `lastRange`; -1 = none.
    std::array<int, 2> newLine{-1, -1};
    // Range the dialog displays.
    int shownRange = 0;

    // The texts of the sentences stored from now on and of the problems told (English until set).
    void SetTexts(ScoreTexts texts);

    // The file is "high scores.dat" where ChooseHighScoreLocation puts it for the running program,
    // unless one path to read and write is set here.
    void SetFilePath(std::filesystem::path path);
    void SetLocation(HighScoreLocation location);
    // The file saved to; none if the program's folder is unknown.
    std::optional<std::filesystem::path> FilePath() const;

    // Clears the marks and the table, then reads the file. 0 if all of it was read, -1 otherwise;
    // a missing or short file leaves the rest of the table empty.
    int LoadHighScores();

    // 1 if the file was replaced, -1 if not (the previous file is then untouched and the results
    // stay here for the next save). Other copies of the game may have saved since this one
    // loaded: the table is read again from the file and the results recorded here since the last
    // save are ranked into it in the order they happened, so that the file, and this table, hold
    // everyone's results. A lock on the file's folder keeps two saves from merging at once; where
    // the file system has no locks the save merges without one, and while another copy holds the
    // lock past the wait's patience nothing is written.
    int SaveHighScores();

    // How a save waits for another copy's save to end.
    struct LockWait {
        std::chrono::milliseconds patience = std::chrono::seconds(30);
        // Called every few milliseconds of the wait, so that the windows keep painting; a save
        // started from it waits without it.
        std::function<void()> betweenTries;
    };
    void SetLockWait(LockWait wait);

    // What the player should hear about where the results go: the first failed save of the
    // session, with the file and the reason, or why the file beside the program is not used. Each
    // is given once; empty when there is nothing (more) to tell.
    std::string TakeProblemToTell();

    // Ranks each person's result of a finished game in the list of `range` (0..3) and marks the
    // new lines in `newLine`. Kinds above 0 are computers, whose results are never stored. Names
    // are UTF-8. A range outside 0..3 is ignored and changes nothing.
    void RecordResult(int kind1, std::string_view name1, int score1, int kind2, std::string_view name2, int score2,
                      int range);

    const HighScoreTable& Table() const { return table_; }

    // Line `line` of the list of `range` as UTF-8; empty if there is no such line.
    std::string LineText(int range, int line) const;

    // The text of label `line` of the dialog for `shownRange`: the stored line, framed as
    // " ** line **" when the last recorded game added it; empty below the last line.
    std::string ShownLineText(int line) const;

private:
    struct Result {
        int kind1;
        std::string name1;
        int score1;
        int kind2;
        std::string name2;
        int score2;
        int range;
    };

    bool HasLine(int range, int line) const;
    // Ranks `result` into `table`; the positions of the two players' new lines (-1 = none).
    std::array<int, 2> Rank(HighScoreTable& table, const Result& result) const;
    // The table in the file to merge into: as read at start-up when there is no file; none when
    // the file cannot be read whole (this table is then written as it is).
    std::optional<HighScoreTable> TableToMergeInto(const std::filesystem::path& path) const;
    // Merges the unsaved results into the file at `path` and replaces it; why not, when it failed.
    std::string MergeAndReplace(const std::filesystem::path& path);

    std::optional<HighScoreLocation> Location() const;

    HighScoreTable table_;
    HighScoreTable loadedTable_;
    std::vector<Result> unsaved_;
    std::optional<HighScoreLocation> location_;
    ScoreTexts texts_;
    std::string problemToTell_;
    bool saveFailureTold_ = false;
    LockWait lockWait_;
    bool waitingForLock_ = false;
};
