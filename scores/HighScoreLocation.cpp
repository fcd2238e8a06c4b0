// SPDX-License-Identifier: MIT
#include "scores/HighScoreLocation.h"

#include "scores/HighScoreRecords.h"
#include "scores/ProgramFiles.h"

#include <cstdlib>
#include <vector>

#include <pwd.h>
#include <unistd.h>

namespace {

std::optional<std::filesystem::path> HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
        return std::filesystem::path(home);
    }
    const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr && found->pw_dir[0] == '/') {
        return std::filesystem::path(found->pw_dir);
    }
    return std::nullopt;
}

bool IsWritableFolder(const std::filesystem::path& folder) {
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

}  // namespace

std::optional<std::filesystem::path> PlayerDataFolder() {
    // A relative value is invalid by the XDG rules and is ignored.
    if (const char* dataHome = std::getenv("XDG_DATA_HOME"); dataHome != nullptr && dataHome[0] == '/') {
        return std::filesystem::path(dataHome) / "quinsum";
    }
    if (const std::optional<std::filesystem::path> home = HomeFolder()) {
        return *home / ".local" / "share" / "quinsum";
    }
    return std::nullopt;
}

HighScoreLocation ChooseHighScoreLocation(const std::filesystem::path& programFolder,
                                          const std::optional<std::filesystem::path>& dataFolder,
                                          const ScoreTexts& texts) {
    const std::filesystem::path beside = programFolder / kHighScoreFileName;
    const bool besideIsUnusable = IsPresentButNotARegularFile(beside);
    // An installed program's folder is shared by every user; root may write there, but a file left
    // there would belong to no package and start every user's table.
    const bool portable = !InstalledShareFolder(programFolder) && IsWritableFolder(programFolder);
    if ((portable && !besideIsUnusable) || !dataFolder) {
        return {beside, beside, {}, {}};
    }
    const std::filesystem::path own = *dataFolder / kHighScoreFileName;
    std::error_code error;
    const bool ownExists = std::filesystem::symlink_status(own, error).type() != std::filesystem::file_type::not_found;
    HighScoreLocation location{own, ownExists || besideIsUnusable ? own : beside, *dataFolder, {}};
    if (besideIsUnusable) {
        location.notice = FillPattern(texts.keptElsewhere, {beside.string(), own.string()});
    }
    return location;
}
