#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

// Files that live beside the program's executable, read and written whole.

// The executable's directory, ending with its separator; none if the executable's path is unknown.
std::optional<std::filesystem::path> ProgramDirectory();

// `fileName` in the executable's directory; none if that directory is unknown.
std::optional<std::filesystem::path> ProgramFilePath(std::string_view fileName);

// Zero-fills `buffer`, then reads up to its size from the start of the file. 0 when the buffer was
// filled, -1 when the file could not be opened or was shorter; the bytes that arrived stay either way.
int ReadWholeFile(const std::filesystem::path& path, std::span<unsigned char> buffer);

// Replaces the file atomically with `bytes`: they go to a temporary file in the same directory,
// which is flushed to disk and renamed over the old file. 1 on success. -1 if anything fails (the
// directory cannot be written, the disk is full, the existing file is read-only); the previous
// file is then untouched and no temporary file is left behind.
int WriteWholeFile(const std::filesystem::path& path, std::span<const unsigned char> bytes);
