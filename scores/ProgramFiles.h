// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>

// Files that live beside the program's executable, read and written whole.

// The executable's directory, ending with its separator; none if the executable's path is unknown.
std::optional<std::filesystem::path> ProgramDirectory();

// Zero-fills `buffer`, then reads up to its size from the start of the file. 0 when the buffer was
// filled, -1 when the file could not be opened or was shorter; the bytes that arrived stay either way.
// Only a regular file is read: a symbolic link is not followed, and a FIFO, a device or a folder
// is opened without waiting and then refused.
int ReadWholeFile(const std::filesystem::path& path, std::span<unsigned char> buffer);

// Replaces the file atomically with `bytes`: they go to a temporary file in the same directory,
// which is flushed to disk, given the old file's read and write permissions and renamed over it.
// 1 on success. -1 if anything fails (the directory cannot be written, the disk is full, the
// existing file is read-only, or it is not a regular file: a link, a FIFO or a folder is never
// replaced); the previous file is then untouched, no temporary file is left behind and `failure`,
// when given, says why in a few words.
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
