// SPDX-License-Identifier: MIT
#pragma once
// Where the high-score file is read and written. Beside the program when it is not installed and
// its folder is writable (a build tree, a portable copy), as other copies of the game expect;
// otherwise, for an installed program whoever runs it, in the player's data folder, starting from
// the copy beside the program.

#include <filesystem>
#include <optional>
#include <string>

#include "scores/ScoreTexts.h"

struct HighScoreLocation {
    // The file the results are written to.
    std::filesystem::path savePath;
    // The file read at start-up: `savePath`, or the copy beside the program until the player's
    // own file exists.
    std::filesystem::path startPath;
    // The player's data folder, created when the first save needs it; empty beside the program.
    std::filesystem::path folderToCreate;
    // Why the file beside the program is not used although its folder is writable, for the player.
    std::string notice;
};

// `$XDG_DATA_HOME/quinsum`, or `~/.local/share/quinsum`; none without a home folder.
std::optional<std::filesystem::path> PlayerDataFolder();

// The location for a program in `programFolder` whose player's data folder is `dataFolder`; the
// notice in the words of `texts`.
HighScoreLocation ChooseHighScoreLocation(const std::filesystem::path& programFolder,
                                          const std::optional<std::filesystem::path>& dataFolder,
                                          const ScoreTexts& texts = {});
