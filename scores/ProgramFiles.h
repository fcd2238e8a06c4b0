// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>

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
// which is flushed to disk, given the old file's permissions and renamed over it. 1 on success. -1
// if anything fails (the directory cannot be written, the disk is full, the existing file is
// read-only, or it is not a regular file: a link, a FIFO or a folder is never replaced); the
// previous file is then untouched, no temporary file is left behind and `failure`, when given,
// says why in a few words.
int WriteWholeFile(const std::filesystem::path& path, std::span<const unsigned char> bytes,
                   std::string* failure = nullptr);

// An advisory lock on a folder, held while the object lives, so that one copy of the game at a
// time reads, merges and replaces the files in it. Waits a moment for another holder; not held
// where the folder cannot be opened or its file system has no locks.
class FolderLock {
public:
    explicit FolderLock(const std::filesystem::path& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool Held() const { return held_; }

private:
    int fd_ = -1;
    bool held_ = false;
};

// Whether `path` names something other than a regular file (a link, a FIFO, a device, a folder).
bool IsPresentButNotARegularFile(const std::filesystem::path& path);

// Creates the folder and any missing parents, each readable by its owner only. True when it exists.
bool CreatePrivateFolder(const std::filesystem::path& folder);
