// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "scores/ScoreTexts.h"

// Files that live beside the program's executable, read and written whole.

// The executable's directory, ending with its separator; none if the executable's path is unknown.
std::optional<std::filesystem::path> ProgramDirectory();

// The path from an installed program's folder to the install's shared data, `../share` for the
// usual layout, and the install's help folder within it.
inline constexpr const char* kInstalledShareFromProgram = QUINSUM_INSTALLED_SHARE_FROM_PROGRAM;
inline constexpr const char* kInstalledHelpFolder = "help/C/quinsum";

// The install's shared data folder as seen from a program in `programFolder`, when that program is
// installed: the install's help folder lies in it. None for a build tree or a portable copy.
std::optional<std::filesystem::path> InstalledShareFolder(const std::filesystem::path& programFolder);

int ReadWholeFile(const std::filesystem::path& path, std::span<unsigned char> buffer);

// Replaces the file atomically with `bytes`: they go to a temporary file in the same directory,
// which is flushed to disk, given the old file's read and write permissions and renamed over it.
// 1 on success. -1 if anything fails (the directory cannot be written, the disk is full, the
// existing file is read-only, or it is not a regular file: a link, a FIFO or a folder is never
// replaced); the previous file is then untouched, no temporary file is left behind and `failure`,
// when given, says why in a few words (the system's, or those of `texts`).
int WriteWholeFile(const std::filesystem::path& path, std::span<const unsigned char> bytes,
                   std::string* failure = nullptr, const ScoreTexts& texts = {});

// Removes what saves of `path` that were killed before their rename left beside it: regular files
// named as WriteWholeFile names its temporary files, nothing else. `folderLocked` means no save can
// be under way; otherwise only those untouched for an hour go.
void RemoveLeftoverTemporaries(const std::filesystem::path& path, bool folderLocked);

// An advisory lock on a folder, held while the object lives, so that one copy of the game at a
// time reads, merges and replaces the files in it.
class FolderLock {
public:
    enum class State {
        Held,
        // Someone else held it for the whole wait.
        Busy,
        // The folder cannot be opened, or its file system has no locks (some network and FUSE
        // file systems refuse them).
        Unavailable,
    };

    // Waits up to `patience` for another holder, trying every few milliseconds and calling
    // `betweenTries` (when set) in between.
    FolderLock(const std::filesystem::path& folder, std::chrono::milliseconds patience,
               const std::function<void()>& betweenTries);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    State GetState() const { return state_; }

private:
    int fd_ = -1;
    State state_ = State::Unavailable;
};

// The system calls through which the files are locked and flushed to disk: flock and fsync. Tests
// put others in their place, to make a save as slow as on a slow or network disk, or to refuse
// locks as some file systems do.
struct FileSystemCalls {
    int (*lock)(int fd, int operation);
    int (*flush)(int fd);
};
// Puts `calls` in place; returns the ones they replace.
FileSystemCalls SetFileSystemCalls(FileSystemCalls calls);

// Whether `path` names something other than a regular file (a link, a FIFO, a device, a folder).
bool IsPresentButNotARegularFile(const std::filesystem::path& path);

// Why `folder` cannot hold the player's own files, in the words of `texts` (`the folder "..." is a
// symbolic link`); empty when it can: a real folder, not a link, owned by the player.
std::string PrivateFolderProblem(const std::filesystem::path& folder, const ScoreTexts& texts = {});

// Creates `folder` when it is missing, with any missing parents, each readable by its owner only;
// then, or when it cannot be created, why it cannot be used, as PrivateFolderProblem says it.
std::string PreparePrivateFolder(const std::filesystem::path& folder, const ScoreTexts& texts = {});
