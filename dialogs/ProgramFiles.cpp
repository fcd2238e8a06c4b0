#include "dialogs/ProgramFiles.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace {

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

    bool Close()
    {
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

bool WriteAll(int fd, std::span<const unsigned char> bytes)
{
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

// A fresh file beside `path` that no one else uses; O_EXCL guarantees the name was not taken.
FileDescriptor CreateTemporaryBeside(const std::filesystem::path& path, std::filesystem::path& temporary)
{
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        temporary = path;
        temporary += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        FileDescriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd.IsOpen() || errno != EEXIST) {
            return fd;
        }
    }
    return FileDescriptor(-1);
}

// Makes the rename itself durable; a failure here cannot undo the rename, so it is not reported.
void SyncDirectoryOf(const std::filesystem::path& path)
{
    std::filesystem::path directory = path.parent_path();
    if (directory.empty()) {
        directory = ".";
    }
    FileDescriptor fd(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.IsOpen()) {
        ::fsync(fd.Get());
    }
}

}  // namespace

std::optional<std::filesystem::path> ProgramDirectory()
{
    std::error_code error;
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !executable.has_filename()) {
        return std::nullopt;
    }
    return executable.remove_filename();
}

std::optional<std::filesystem::path> ProgramFilePath(std::string_view fileName)
{
    std::optional<std::filesystem::path> directory = ProgramDirectory();
    if (!directory) {
        return std::nullopt;
    }
    return *directory / fileName;
}

int ReadWholeFile(const std::filesystem::path& path, std::span<unsigned char> buffer)
{
    std::fill(buffer.begin(), buffer.end(), static_cast<unsigned char>(0));
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.IsOpen()) {
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

int WriteWholeFile(const std::filesystem::path& path, std::span<const unsigned char> bytes)
{
    // Renaming would replace a file that was made read-only to protect it; such a file stays.
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) {
        return -1;
    }
    std::filesystem::path temporary;
    FileDescriptor fd = CreateTemporaryBeside(path, temporary);
    if (!fd.IsOpen()) {
        return -1;
    }
    const bool written = WriteAll(fd.Get(), bytes) && ::fsync(fd.Get()) == 0;
    const bool closed = fd.Close();
    if (!written || !closed || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return -1;
    }
    SyncDirectoryOf(path);
    return 1;
}
