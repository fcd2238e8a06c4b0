// SPDX-License-Identifier: MIT
#include "scores/ProgramFiles.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// All a data file takes over from the file it replaces: never the execute, set-user-id, set-group-id
// or sticky bits of a program that the old name was a hard link to.
constexpr mode_t kReadWriteBits = 0666;

FileSystemCalls g_calls{::flock, ::fsync};

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor& operator=(FileDescriptor&&) = delete;
    ~FileDescriptor() { Close(); }

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }

    bool Close() {
        if (fd_ < 0) {
            return true;
        }
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::span<const unsigned char> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// A temporary file is named after its file: "high scores.dat.tmp<process id>-<attempt>".
constexpr std::string_view kTemporaryMark = ".tmp";

bool IsTemporaryNameOf(std::string_view name, std::string_view fileName) {
    if (!name.starts_with(fileName) || !name.substr(fileName.size()).starts_with(kTemporaryMark)) {
        return false;
    }
    const std::string_view numbers = name.substr(fileName.size() + kTemporaryMark.size());
    const auto isNumber = [](std::string_view part) {
        return !part.empty() && std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    const std::size_t dash = numbers.find('-');
    return dash != std::string_view::npos && isNumber(numbers.substr(0, dash)) && isNumber(numbers.substr(dash + 1));
}

// A fresh file beside `path` that no one else uses; O_EXCL guarantees the name was not taken.
FileDescriptor CreateTemporaryBeside(const std::filesystem::path& path, std::filesystem::path& temporary) {
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        temporary = path;
        temporary += std::string(kTemporaryMark) + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        FileDescriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd.IsOpen() || errno != EEXIST) {
            return fd;
        }
    }
    return FileDescriptor(-1);
}

// Makes the rename itself durable; a failure here cannot undo the rename, so it is not reported.
void SyncDirectoryOf(const std::filesystem::path& path) {
    std::filesystem::path directory = path.parent_path();
    if (directory.empty()) {
        directory = ".";
    }
    FileDescriptor fd(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.IsOpen()) {
        g_calls.flush(fd.Get());
    }
}

}  // namespace

FileSystemCalls SetFileSystemCalls(FileSystemCalls calls) {
    return std::exchange(g_calls, calls);
}

std::optional<std::filesystem::path> ProgramDirectory() {
    std::error_code error;
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !executable.has_filename()) {
        return std::nullopt;
    }
    return executable.remove_filename();
}

std::optional<std::filesystem::path> InstalledShareFolder(const std::filesystem::path& programFolder) {
    const std::filesystem::path share = (programFolder / kInstalledShareFromProgram).lexically_normal();
    std::error_code error;
    if (programFolder.empty() || !std::filesystem::is_directory(share / kInstalledHelpFolder, error)) {
        return std::nullopt;
    }
    return share;
}

int ReadWholeFile(const std::filesystem::path& path, std::span<unsigned char> buffer) {
    std::fill(buffer.begin(), buffer.end(), static_cast<unsigned char>(0));
    // Opening a FIFO for reading would wait for a writer; O_NONBLOCK returns at once, and what was
    // opened is checked before a byte is read.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat opened {};
    if (!fd.IsOpen() || ::fstat(fd.Get(), &opened) != 0 || !S_ISREG(opened.st_mode)) {
        return -1;
    }
    std::span<unsigned char> rest = buffer;
    while (!rest.empty()) {
        const ssize_t got = ::read(fd.Get(), rest.data(), rest.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        rest = rest.subspan(static_cast<std::size_t>(got));
    }
    return rest.empty() ? 0 : -1;
}

int WriteWholeFile(const std::filesystem::path& path, std::span<const unsigned char> bytes, std::string* failure,
                   const ScoreTexts& texts) {
    const auto fail = [failure](const std::string& reason) {
        if (failure != nullptr) {
            *failure = reason;
        }
        return -1;
    };
    const auto failWithError = [&fail] { return fail(std::generic_category().message(errno)); };

    // Renaming would replace a link rather than write through it, and would replace a file that
    // was made read-only to protect it; neither is touched.
    struct stat existing {};
    const bool exists = ::lstat(path.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        return fail(texts.notARegularFile);
    }
    if (exists && ::access(path.c_str(), W_OK) != 0) {
        return failWithError();
    }
    std::filesystem::path temporary;
    FileDescriptor fd = CreateTemporaryBeside(path, temporary);
    if (!fd.IsOpen()) {
        return failWithError();
    }
    const bool written = WriteAll(fd.Get(), bytes) && g_calls.flush(fd.Get()) == 0 &&
                         (!exists || ::fchmod(fd.Get(), existing.st_mode & kReadWriteBits) == 0);
    const int writeError = errno;
    const bool closed = fd.Close();
    if (!written || !closed || ::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = written && closed ? errno : writeError;
        ::unlink(temporary.c_str());
        errno = error;
        return failWithError();
    }
    SyncDirectoryOf(path);
    return 1;
}

void RemoveLeftoverTemporaries(const std::filesystem::path& path, bool folderLocked) {
    constexpr std::chrono::hours kAbandonedAfter(1);
    using Time = std::filesystem::file_time_type;
    const Time untouchedSince = folderLocked ? Time::max() : Time::clock::now() - kAbandonedAfter;
    const std::string fileName = path.filename().string();
    std::error_code error;
    std::filesystem::directory_iterator entry(path.parent_path().empty() ? "." : path.parent_path(), error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        std::error_code ignored;
        if (entry->symlink_status(ignored).type() == std::filesystem::file_type::regular &&
            IsTemporaryNameOf(entry->path().filename().string(), fileName) &&
            entry->last_write_time(ignored) < untouchedSince) {
            std::filesystem::remove(entry->path(), ignored);
        }
    }
}

FolderLock::FolderLock(const std::filesystem::path& folder, std::chrono::milliseconds patience,
                       const std::function<void()>& betweenTries) {
    constexpr std::chrono::milliseconds kPause(10);
    fd_ = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) {
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (g_calls.lock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK) {
            return;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            state_ = State::Busy;
            return;
        }
        if (betweenTries) {
            betweenTries();
        }
        std::this_thread::sleep_for(kPause);
    }
    state_ = State::Held;
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool IsPresentButNotARegularFile(const std::filesystem::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode);
}

std::string PrivateFolderProblem(const std::filesystem::path& folder, const ScoreTexts& texts) {
    const std::string named = folder.string();
    struct stat status {};
    if (::lstat(folder.c_str(), &status) != 0) {
        return FillPattern(texts.folderCannotBeUsed, {named, std::generic_category().message(errno)});
    }
    if (S_ISLNK(status.st_mode)) {
        return FillPattern(texts.folderIsALink, {named});
    }
    if (!S_ISDIR(status.st_mode)) {
        return FillPattern(texts.folderCannotBeUsed, {named, std::generic_category().message(ENOTDIR)});
    }
    if (status.st_uid != ::geteuid()) {
        return FillPattern(texts.folderOfAnotherUser, {named});
    }
    return {};
}

std::string PreparePrivateFolder(const std::filesystem::path& folder, const ScoreTexts& texts) {
    std::filesystem::path partial;
    for (const std::filesystem::path& part : folder) {
        partial /= part;
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) {
            return FillPattern(texts.folderCannotBeCreated, {folder.string(), std::generic_category().message(errno)});
        }
    }
    return PrivateFolderProblem(folder, texts);
}
