// SPDX-License-Identifier: MIT
// How many results survive when copies of the game save one file together on a slow disk:
//   quinsum-score-race COPIES FLUSH_MS [--stagger MS] [--no-locks]
// COPIES processes load the table, then each records one result and saves it, every flush to disk
// taking FLUSH_MS (a save flushes the file and its folder, so it holds the lock about twice that).
// --stagger starts copy k's save k × MS later; --no-locks refuses the folder's lock, as some
// network and FUSE file systems do. Prints how many of the results the file kept.

#include "scores/HighScoreRecords.h"
#include "scores/ProgramFiles.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::chrono::milliseconds g_flushTime{0};

int SlowFlush(int fd) {
    std::this_thread::sleep_for(g_flushTime);
    return ::fsync(fd);
}

int RefuseLock(int, int) {
    errno = ENOLCK;
    return -1;
}

std::string CopyName(int copy) {
    return "Copy" + std::to_string(copy);
}

// Loads, waits for `go` to close, waits its turn, records and saves; exits with 0 if it saved.
[[noreturn]] void RunCopy(const std::filesystem::path& file, int copy, int go, std::chrono::milliseconds stagger,
                          bool noLocks) {
    SetFileSystemCalls({noLocks ? RefuseLock : ::flock, SlowFlush});
    HighScoreRecords records;
    records.SetFilePath(file);
    records.LoadHighScores();
    char byte = 0;
    [[maybe_unused]] const ssize_t closed = ::read(go, &byte, 1);
    std::this_thread::sleep_for(stagger * copy);
    // Four lists of ten lines hold up to 40 results.
    records.RecordResult(0, CopyName(copy), 10 + copy, 1, "Computer", 0, copy % 4);
    std::_Exit(records.SaveHighScores() == 1 ? 0 : 1);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s COPIES FLUSH_MS [--stagger MS] [--no-locks]\n", argv[0]);
        return 2;
    }
    const int copies = std::atoi(argv[1]);
    g_flushTime = std::chrono::milliseconds(std::atoi(argv[2]));
    std::chrono::milliseconds stagger{0};
    bool noLocks = false;
    for (int i = 3; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--stagger" && i + 1 < argc) {
            stagger = std::chrono::milliseconds(std::atoi(argv[++i]));
        } else if (option == "--no-locks") {
            noLocks = true;
        }
    }
    if (copies < 1 || copies > 40) {
        std::fprintf(stderr, "COPIES is 1 to 40\n");
        return 2;
    }
    std::string folder = (std::filesystem::temp_directory_path() / "quinsum-race-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::filesystem::path file = std::filesystem::path(folder) / "high scores.dat";
    int go[2];
    if (::pipe(go) != 0) {
        std::perror("pipe");
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    std::vector<pid_t> children;
    for (int copy = 0; copy < copies; ++copy) {
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(go[1]);
            RunCopy(file, copy, go[0], stagger, noLocks);
        }
        children.push_back(child);
    }
    ::close(go[1]);
    int reportedSaved = 0;
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        reportedSaved += WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 1 : 0;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    HighScoreRecords saved;
    saved.SetFilePath(file);
    saved.LoadHighScores();
    int kept = 0;
    for (int copy = 0; copy < copies; ++copy) {
        for (int line = 0; line < kHighScoreLinesPerRange; ++line) {
            if (saved.LineText(copy % 4, line).starts_with(CopyName(copy) + " ")) {
                ++kept;
            }
        }
    }
    std::printf(
        "%d copies, flush %lld ms, stagger %lld ms, %s: %d of %d results kept (%d saves reported "
        "success) in %.1f s\n",
        copies, static_cast<long long>(g_flushTime.count()), static_cast<long long>(stagger.count()),
        noLocks ? "no locks" : "locks", kept, copies, reportedSaved, seconds);
    std::filesystem::remove_all(folder);
    return kept == copies ? 0 : 1;
}
